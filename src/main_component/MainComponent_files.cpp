// Finding and checking the update file.
#include "MainComponent.h"

#include "UpdateFileFormat.h"

void MainComponent::CheckUpdFile()
{
    // Sorted, so that with several qualifying files the choice does not depend
    // on the file system's order: the last name wins.
    juce::File chosen;
    const auto wildcard = updfile::fileNameWildcard (deviceMode);
    if (wildcard.isNotEmpty())
    {
        auto found = updateFileDirectory.findChildFiles (juce::File::findFiles, false, wildcard);
        found.sort();
        for (const auto& candidate : found)
        {
            if (updfile::nameQualifies (candidate.getFileName(), deviceMode))
            {
                updFileKind = deviceMode;
                chosen = candidate;
            }
        }
    }

    if (chosen == juce::File() || ! chosen.existsAsFile())
    {
        updFileStatus = 0;
        recordError (ERR_FILE_MISSING);
        return;
    }

    const auto result = ParseUpdFile (chosen, (int) updfile::fileSize, &updFileDate, updFileVersion);
    for (auto& record : updFiles)
        record.state = result;

    if (result != 1)
    {
        // A file that vanished between the listing and the load is not a
        // missing file but something unexpected.
        recordError (result == ERR_FILE_MISSING ? ERR_UNEXPECTED : result);
        return;
    }

    for (int i = 0; i < updfile::imageCount; ++i)
    {
        const auto& layout = updfile::images[i];
        updFiles[i].file = chosen;
        updFiles[i].size = layout.size;
        updFiles[i].fileOffset = layout.fileOffset;
        updFiles[i].destAddress = layout.destAddress;
        updFiles[i].target = layout.target;
    }
    updFileStatus = 8;
}

int MainComponent::ParseUpdFile (const juce::File& file, int expectedSize, uint32_t* date, juce::String& version)
{
    if (! file.existsAsFile())
        return ERR_FILE_MISSING;

    juce::MemoryBlock bytes;
    if (! file.loadFileAsData (bytes))
        return ERR_FILE_LOAD;

    const auto result = updfile::checkFileBytes (static_cast<const uint8_t*> (bytes.getData()),
                                                 (int64_t) bytes.getSize(), expectedSize, date, version);

    // The transfer sends these very bytes, never a later state of the file.
    if (result == 1)
        verifiedUpdFile = std::move (bytes);
    return result;
}

bool MainComponent::CheckSysVer (juce::String& version)
{
    return updfile::isValidVersionText (version);
}

uint16_t MainComponent::CalcCRC (const uint8_t* data, int64_t length)
{
    return updfile::crc16Xmodem (data, length);
}
