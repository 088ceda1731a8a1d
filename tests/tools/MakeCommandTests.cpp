// `krvtm40-fwfile make`: its arguments, and that what it writes passes the
// updater's checks under the name the updater looks for.
#include "tools/fwfile/Commands.h"
#include "tools/fwfile/MakeOptions.h"
#include "main_component/UpdateFileFormat.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{
fwfile::ParsedMake parse (const char* line)
{
    return fwfile::parseMakeArguments (juce::StringArray::fromTokens (line, false));
}
}

TEST (MakeOptions, GoodArgumentsInAnyOrderAndForm)
{
    const auto a = parse ("--kind 2 --version 3.45 --date 0x20501231 --seed 99 out");
    ASSERT_TRUE (a.ok()) << a.error;
    EXPECT_EQ (a.options.kind, 2);
    EXPECT_EQ (a.options.version, "3.45");
    EXPECT_EQ (a.options.dateWord, 0x20501231u);
    EXPECT_EQ (a.options.seed, 99u);
    EXPECT_EQ (a.options.outDir, "out");

    const auto b = parse ("out --date=0x00000000 --kind=1 --version=0.00");
    ASSERT_TRUE (b.ok()) << b.error;
    EXPECT_EQ (b.options.kind, 1);
    EXPECT_EQ (b.options.dateWord, 0u);
    EXPECT_EQ (b.options.seed, 1u);     // default
    EXPECT_EQ (b.options.outDir, "out");

    EXPECT_EQ (parse ("--kind 1 --version 1.02 --date 0x20240315 --seed 0xFFFFFFFF d").options.seed, 0xFFFFFFFFu);
}

TEST (MakeOptions, BadArgumentsAreRefusedWithAReason)
{
    struct Case { const char* line; const char* reason; };
    const Case cases[] = {
        { "--kind 3 --version 1.02 --date 0x20240315 d", "--kind must be 1 or 2" },
        { "--kind 01 --version 1.02 --date 0x20240315 d", "--kind must be 1 or 2" },
        { "--kind 1 --version 1.2 --date 0x20240315 d", "--version must be" },
        { "--kind 1 --version 1.023 --date 0x20240315 d", "--version must be" },
        { "--kind 1 --version 1,02 --date 0x20240315 d", "--version must be" },
        { "--kind 1 --version 1.02 --date 20240315 d", "--date must be a hexadecimal" },
        { "--kind 1 --version 1.02 --date 0x2024031G d", "--date must be a hexadecimal" },
        { "--kind 1 --version 1.02 --date 0x120240315 d", "--date must be a hexadecimal" },
        { "--kind 1 --version 1.02 --date 0x20511231 d", "out of range" },
        { "--kind 1 --version 1.02 --date 0x20201232 d", "out of range" },
        { "--kind 1 --version 1.02 --date 0x20240315 --seed -1 d", "--seed must be" },
        { "--kind 1 --version 1.02 --date 0x20240315 --seed 4294967296 d", "--seed must be" },
        { "--kind 1 --version 1.02 d", "missing --date" },
        { "--version 1.02 --date 0x20240315 d", "missing --kind" },
        { "--kind 1 --version 1.02 --date 0x20240315", "missing OUT_DIR" },
        { "--kind 1 --version 1.02 --date 0x20240315 d e", "more than one OUT_DIR" },
        { "--kind 1 --kind 2 --version 1.02 --date 0x20240315 d", "given twice" },
        { "--kind 1 --version 1.02 --date 0x20240315 --colour red d", "unknown option" },
        { "d --kind 1 --version 1.02 --date", "--date needs a value" },
    };
    for (auto c : cases)
    {
        const auto parsed = parse (c.line);
        EXPECT_FALSE (parsed.ok()) << c.line;
        EXPECT_TRUE (parsed.error.contains (c.reason)) << c.line << " -> " << parsed.error;
    }
}

TEST (MakeCommand, WritesAFileThatPassesTheUpdatersChecks)
{
    juce::TemporaryFile dir;
    struct Case { const char* kind; const char* name; };
    for (auto c : { Case { "1", "krvtm40__v207.bin" }, Case { "2", "krvtm40_B__v207.bin" } })
    {
        std::ostringstream out, err;
        const auto args = juce::StringArray { "--kind", c.kind, "--version", "2.07", "--date", "0x20240315",
                                              "--seed", "5", dir.getFile().getFullPathName() };
        ASSERT_EQ (fwfile::runMake (args, out, err), fwfile::exitOk) << err.str();

        const auto file = dir.getFile().getChildFile (c.name);
        EXPECT_EQ (out.str(), file.getFullPathName().toStdString() + "\n");
        EXPECT_TRUE (updfile::nameQualifies (file.getFileName(), juce::String (c.kind).getIntValue()));

        juce::MemoryBlock bytes;
        ASSERT_TRUE (file.loadFileAsData (bytes));
        uint32_t date = 0;
        juce::String version;
        EXPECT_EQ (updfile::checkFileBytes (static_cast<const uint8_t*> (bytes.getData()), (int64_t) bytes.getSize(),
                                            updfile::fileSize, &date, version), 1);
        EXPECT_EQ (date, 0x20240315u);
        EXPECT_EQ (version, "2.07");
    }
    dir.getFile().deleteRecursively();
}

TEST (MakeCommand, TheSeedChangesTheImagesOnly)
{
    juce::TemporaryFile dirA, dirB;
    std::ostringstream out, err;
    for (auto* dir : { &dirA, &dirB })
    {
        const auto seed = dir == &dirA ? "1" : "2";
        ASSERT_EQ (fwfile::runMake ({ "--kind", "1", "--version", "1.02", "--date", "0x20240315", "--seed", seed,
                                      dir->getFile().getFullPathName() }, out, err), fwfile::exitOk) << err.str();
    }
    juce::MemoryBlock a, b;
    ASSERT_TRUE (dirA.getFile().getChildFile ("krvtm40__v102.bin").loadFileAsData (a));
    ASSERT_TRUE (dirB.getFile().getChildFile ("krvtm40__v102.bin").loadFileAsData (b));
    EXPECT_NE (a, b);
    const auto* pa = static_cast<const uint8_t*> (a.getData());
    const auto* pb = static_cast<const uint8_t*> (b.getData());
    EXPECT_EQ (0, memcmp (pa + updfile::versionOffset, pb + updfile::versionOffset, 4));
    EXPECT_EQ (0, memcmp (pa + updfile::dateOffset, pb + updfile::dateOffset, 4));
    dirA.getFile().deleteRecursively();
    dirB.getFile().deleteRecursively();
}

TEST (MakeCommand, AnOutputPathThatIsAFileIsAnIoError)
{
    juce::TemporaryFile notADir;
    ASSERT_TRUE (notADir.getFile().replaceWithText ("x"));
    std::ostringstream out, err;
    EXPECT_EQ (fwfile::runMake ({ "--kind", "1", "--version", "1.02", "--date", "0x20240315",
                                  notADir.getFile().getFullPathName() }, out, err), fwfile::exitIoError);
    EXPECT_NE (err.str().find ("cannot use"), std::string::npos) << err.str();
    EXPECT_TRUE (out.str().empty());
}
