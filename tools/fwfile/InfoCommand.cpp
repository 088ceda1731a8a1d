#include "Commands.h"
#include "FileReport.h"
#include "ReportText.h"

#include "UpdateFileFormat.h"
#include "UpdateState.h"

namespace fwfile
{

namespace
{
// Files far larger than an update file are judged by their size alone rather
// than read into memory.
constexpr int64_t largestFileLoaded = 64 * 1024 * 1024;

int cannotRead (std::ostream& err, const juce::File& file, const char* reason, int updaterError)
{
    err << "krvtm40-fwfile: cannot read " << file.getFullPathName() << ": " << reason
        << " (the updater would report " << describeFileError (updaterError) << ")\n";
    return exitIoError;
}
}

juce::File fileFromArgument (const juce::String& path)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile (path);
}

int runInfo (const juce::StringArray& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1)
    {
        err << "krvtm40-fwfile: info takes exactly one FILE\n";
        return exitUsage;
    }

    const auto file = fileFromArgument (args[0]);
    if (file.isDirectory())
        return cannotRead (err, file, "it is a directory", ERR_FILE_MISSING);
    if (! file.existsAsFile())
        return cannotRead (err, file, "no such file", ERR_FILE_MISSING);

    juce::MemoryBlock bytes;
    const auto size = file.getSize();
    if (size <= largestFileLoaded && ! file.loadFileAsData (bytes))
        return cannotRead (err, file, "it cannot be opened or read", ERR_FILE_LOAD);

    const auto report = inspectUpdateFile (file.getFileName(), static_cast<const uint8_t*> (bytes.getData()),
                                           size <= largestFileLoaded ? (int64_t) bytes.getSize() : size);
    out << formatReport (report, file.getFullPathName());
    return report.verdict == 1 ? exitOk : exitInvalidFile;
}

} // namespace fwfile
