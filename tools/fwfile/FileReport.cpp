#include "FileReport.h"

#include "UpdateFileFormat.h"
#include "UpdateState.h"

namespace fwfile
{

namespace
{
int kindFromName (const juce::String& fileName)
{
    for (int kind = 1; kind <= 2; ++kind)
        if (updfile::nameQualifies (fileName, kind))
            return kind;
    return 0;
}

void readFields (FileReport& report, const uint8_t* data)
{
    report.fieldsRead = true;
    report.dateWord = updfile::readBigEndian32 (data + updfile::dateOffset);
    report.dateOk = updfile::dateBytesWithinBounds (data + updfile::dateOffset);
    report.versionText = updfile::textFromVersionBytes (data + updfile::versionOffset);
    report.versionOk = updfile::isValidVersionText (report.versionText);
    report.crcStored = (uint16_t) (data[updfile::crcOffset] | (data[updfile::crcOffset + 1] << 8));
    report.crcComputed = updfile::crc16Xmodem (data, updfile::crcOffset);
    report.crcOk = report.crcStored == report.crcComputed;
}
}

FileReport inspectUpdateFile (const juce::String& fileName, const uint8_t* data, int64_t size)
{
    FileReport report;
    report.fileName = fileName;
    report.kind = kindFromName (fileName);
    report.size = size;
    report.sizeOk = size == updfile::fileSize;
    if (report.sizeOk)
        readFields (report, data);

    // The verdict on the contents is the engine's own, so the tool and the
    // updater can never disagree.
    uint32_t date = 0;
    juce::String version;
    const auto contentVerdict = updfile::checkFileBytes (data, size, updfile::fileSize, &date, version);
    report.verdict = report.kind == 0 ? (int) ERR_FILE_MISSING : contentVerdict;
    return report;
}

} // namespace fwfile
