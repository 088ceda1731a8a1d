// What `krvtm40-fwfile info` finds in valid and defective files, and how it says so.
#include "tools/fwfile/FileReport.h"
#include "tools/fwfile/ReportText.h"
#include "tools/updfile/UpdateFileBuilder.h"
#include "main_component/UpdateState.h"

#include <gtest/gtest.h>

using updfile::Defect;

namespace
{
fwfile::FileReport inspect (const std::vector<uint8_t>& bytes, const juce::String& name = "krvtm40__v102.bin")
{
    return fwfile::inspectUpdateFile (name, bytes.data(), (int64_t) bytes.size());
}

updfile::UpdateFileRecipe recipeWith (const char* version, uint32_t date)
{
    updfile::UpdateFileRecipe recipe;
    recipe.versionBytes = updfile::versionBytesOf (version);
    recipe.dateWord = date;
    return recipe;
}

std::vector<uint8_t> withVersionBytes (std::array<uint8_t, 4> bytes)
{
    auto recipe = recipeWith ("1.02", 0x20240315);
    recipe.versionBytes = bytes;
    return updfile::buildUpdateFile (recipe);
}
}

TEST (FileReport, ValidFilesOfBothKinds)
{
    struct Case { int kind; const char* name; };
    for (auto c : { Case { 1, "krvtm40__v102.bin" }, Case { 2, "krvtm40_B__v102.bin" } })
    {
        auto recipe = recipeWith ("1.02", 0x20240315);
        recipe.kind = c.kind;
        const auto report = inspect (updfile::buildUpdateFile (recipe), c.name);
        EXPECT_EQ (report.kind, c.kind);
        EXPECT_EQ (report.verdict, 1);
        EXPECT_TRUE (report.fieldsRead);
        EXPECT_EQ (report.dateWord, 0x20240315u);
        EXPECT_EQ (report.versionText, "1.02");
        EXPECT_EQ (report.crcStored, report.crcComputed);
        EXPECT_TRUE (report.sizeOk && report.dateOk && report.versionOk && report.crcOk);
    }
}

TEST (FileReport, EachDefectGivesTheFirstFailingCheckAndItsId)
{
    struct Case
    {
        const char* what;
        std::vector<uint8_t> bytes;
        int verdict;
        bool sizeOk, dateOk, versionOk, crcOk;
    };
    const auto valid = recipeWith ("1.02", 0x20240315);
    const Case cases[] = {
        { "one byte short", updfile::buildDefectiveUpdateFile (valid, Defect::oneByteShort), ERR_FILE_SIZE, false, false, false, false },
        { "one byte long", updfile::buildDefectiveUpdateFile (valid, Defect::oneByteLong), ERR_FILE_SIZE, false, false, false, false },
        { "empty", {}, ERR_FILE_SIZE, false, false, false, false },
        { "year out of range", updfile::buildUpdateFile (recipeWith ("1.02", 0x20511231)), ERR_FILE_VERSION, true, false, true, true },
        { "month out of range", updfile::buildUpdateFile (recipeWith ("1.02", 0x20201301)), ERR_FILE_VERSION, true, false, true, true },
        { "comma for the dot", updfile::buildUpdateFile (recipeWith ("1,23", 0x20240315)), ERR_FILE_VERSION, true, true, false, true },
        { "two digits first", updfile::buildUpdateFile (recipeWith ("12.3", 0x20240315)), ERR_FILE_VERSION, true, true, false, true },
        { "zero version byte", withVersionBytes ({ '1', '.', 0, '2' }), ERR_FILE_VERSION, true, true, false, true },
        { "bad date and bad version", updfile::buildUpdateFile (recipeWith ("1.2a", 0x21000101)), ERR_FILE_VERSION, true, false, false, true },
        { "CRC high byte first", updfile::buildDefectiveUpdateFile (valid, Defect::crcHighByteFirst), ERR_FILE_CRC, true, true, true, false },
        { "byte after the images", updfile::buildDefectiveUpdateFile (valid, Defect::changedUncoveredByte, 5), ERR_FILE_CRC, true, true, true, false },
        { "byte of image 1", updfile::buildDefectiveUpdateFile (valid, Defect::changedImageByte, 77), ERR_FILE_CRC, true, true, true, false },
    };

    for (const auto& c : cases)
    {
        const auto report = inspect (c.bytes);
        EXPECT_EQ (report.verdict, c.verdict) << c.what;
        EXPECT_EQ (report.sizeOk, c.sizeOk) << c.what;
        EXPECT_EQ (report.fieldsRead, c.sizeOk) << c.what;
        EXPECT_EQ (report.dateOk, c.dateOk) << c.what;
        EXPECT_EQ (report.versionOk, c.versionOk) << c.what;
        EXPECT_EQ (report.crcOk, c.crcOk) << c.what;
        EXPECT_EQ (report.kind, 1) << c.what;
    }
}

TEST (FileReport, CrcStoredAndComputedAreShownAsStoredLowByteFirst)
{
    const auto good = updfile::buildUpdateFile (recipeWith ("1.02", 0x20240315));
    const auto swapped = updfile::buildDefectiveUpdateFile (recipeWith ("1.02", 0x20240315), Defect::crcHighByteFirst);
    const auto goodReport = inspect (good);
    const auto badReport = inspect (swapped);

    EXPECT_EQ (goodReport.crcStored, (uint16_t) (good[0x1FFFFE] | (good[0x1FFFFF] << 8)));
    EXPECT_EQ (badReport.crcComputed, goodReport.crcComputed);
    EXPECT_EQ (badReport.crcStored, (uint16_t) ((goodReport.crcStored >> 8) | (goodReport.crcStored << 8)));
}

TEST (FileReport, NamesTheUpdaterDoesNotPickGiveFileMissing)
{
    const auto bytes = updfile::buildUpdateFile (recipeWith ("1.02", 0x20240315));
    struct Case { const char* name; int kind; };
    const Case cases[] = {
        { "krvtm40__v102.bin", 1 }, { "krvtm40_B__v102.bin", 2 },
        { "krvtm40__V102.BIN", 1 },        // case of "v" and ".bin" does not matter
        { "KRVTM40__v102.bin", 0 },        // the first nine characters must match exactly
        { "krvtm40__v1023.bin", 0 },       // 18 characters
        { "krvtm40_B_v102.bin", 0 },
        { "firmware.bin", 0 },
    };
    for (auto c : cases)
    {
        const auto report = inspect (bytes, c.name);
        EXPECT_EQ (report.kind, c.kind) << c.name;
        EXPECT_EQ (report.verdict, c.kind == 0 ? (int) ERR_FILE_MISSING : 1) << c.name;
    }
}

TEST (ReportText, ShowsEveryFieldAndTheVerdictWithItsId)
{
    const auto valid = fwfile::formatReport (inspect (updfile::buildUpdateFile (recipeWith ("1.02", 0x20240315))), "/x/krvtm40__v102.bin");
    EXPECT_TRUE (valid.contains ("file:     /x/krvtm40__v102.bin\n")) << valid;
    EXPECT_TRUE (valid.contains ("kind:     1 (For SH7269)\n")) << valid;
    EXPECT_TRUE (valid.contains ("0x20240315 (2024-03-15)")) << valid;
    EXPECT_TRUE (valid.contains ("\"1.02\"")) << valid;
    EXPECT_TRUE (valid.contains ("verdict:  valid\n")) << valid;
    EXPECT_FALSE (valid.contains ("FAILS")) << valid;

    const auto report = inspect (updfile::buildDefectiveUpdateFile (recipeWith ("1.02", 0x20240315), Defect::crcHighByteFirst));
    const auto crc = fwfile::formatReport (report, "f");
    const auto stored = "0x" + juce::String::toHexString ((int) report.crcStored).toUpperCase().paddedLeft ('0', 4);
    const auto computed = "0x" + juce::String::toHexString ((int) report.crcComputed).toUpperCase().paddedLeft ('0', 4);
    EXPECT_TRUE (crc.contains ("crc:      stored " + stored + ", computed " + computed + ": FAILS\n")) << crc;
    EXPECT_TRUE (crc.contains ("verdict:  INVALID, 0x0E05 ERR_FILE_CRC")) << crc;

    const auto shortFile = fwfile::formatReport (inspect (updfile::buildDefectiveUpdateFile (recipeWith ("1.02", 0x20240315), Defect::oneByteShort)), "f");
    EXPECT_TRUE (shortFile.contains ("size:     2097151 bytes, expected 2097152: FAILS\n")) << shortFile;
    EXPECT_TRUE (shortFile.contains ("crc:      not read")) << shortFile;
    EXPECT_TRUE (shortFile.contains ("verdict:  INVALID, 0x0E03 ERR_FILE_SIZE")) << shortFile;
}
