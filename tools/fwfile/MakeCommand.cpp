#include "Commands.h"
#include "FileReport.h"
#include "MakeOptions.h"
#include "ReportText.h"

#include "UpdateFileBuilder.h"

namespace fwfile
{

namespace
{
updfile::UpdateFileRecipe recipeFrom (const MakeOptions& o)
{
    updfile::UpdateFileRecipe recipe;
    recipe.kind = o.kind;
    recipe.versionBytes = updfile::versionBytesOf (o.version.toRawUTF8());
    recipe.dateWord = o.dateWord;
    recipe.seed = o.seed;
    return recipe;
}

// Reads the written file back and judges it like `info` does, so a file that
// reached the disk damaged is reported rather than trusted.
bool writtenFileIsValid (const juce::File& file)
{
    juce::MemoryBlock bytes;
    if (! file.loadFileAsData (bytes))
        return false;
    const auto report = inspectUpdateFile (file.getFileName(), static_cast<const uint8_t*> (bytes.getData()),
                                           (int64_t) bytes.getSize());
    return report.verdict == 1;
}
}

int runMake (const juce::StringArray& args, std::ostream& out, std::ostream& err)
{
    const auto parsed = parseMakeArguments (args);
    if (! parsed.ok())
    {
        err << "krvtm40-fwfile: make: " << parsed.error << "\n";
        return exitUsage;
    }

    const auto& o = parsed.options;
    const auto dir = fileFromArgument (o.outDir);
    if (dir.existsAsFile() || ! dir.createDirectory())
    {
        err << "krvtm40-fwfile: make: cannot use " << dir.getFullPathName() << " as the output directory\n";
        return exitIoError;
    }

    const auto file = dir.getChildFile (updfile::updateFileName (o.kind, o.version.toRawUTF8()));
    if (! updfile::writeUpdateFile (file, updfile::buildUpdateFile (recipeFrom (o))) || ! writtenFileIsValid (file))
    {
        err << "krvtm40-fwfile: make: cannot write " << file.getFullPathName() << "\n";
        return exitIoError;
    }

    out << file.getFullPathName() << "\n";
    return exitOk;
}

} // namespace fwfile
