#include "UpdateFileFormat.h"

#include "UpdateState.h"

namespace updfile
{

uint16_t crc16Xmodem (const uint8_t* data, int64_t length) noexcept
{
    // Augmented form: the CRC sits in bits 8..23, the incoming byte in bits 0..7;
    // bit 24 of the mask clears the bit that is shifted out.
    constexpr uint32_t mask = 0x1102100;
    uint32_t r = 0;

    auto step = [&r]
    {
        r <<= 1;
        if ((r & 0x1000000) != 0)
            r ^= mask;
    };

    for (int64_t i = 0; i < length; ++i)
    {
        r |= data[i];
        for (int bit = 0; bit < 8; ++bit)
            step();
    }

    if (length > 0)
        for (int bit = 0; bit < 16; ++bit)
            step();

    return (uint16_t) ((r >> 8) & 0xFFFF);
}

uint32_t readBigEndian32 (const uint8_t* bytes) noexcept
{
    return ((uint32_t) bytes[0] << 24) | ((uint32_t) bytes[1] << 16)
         | ((uint32_t) bytes[2] << 8) | (uint32_t) bytes[3];
}

bool dateBytesWithinBounds (const uint8_t* fourBytes) noexcept
{
    for (int i = 0; i < 4; ++i)
        if (fourBytes[i] > dateByteMax[i])
            return false;
    return true;
}

juce::String textFromVersionBytes (const uint8_t* fourBytes)
{
    juce::String text;
    for (int i = 0; i < 4; ++i)
        if (fourBytes[i] != 0)
            text += juce::String::charToString ((juce::juce_wchar) fourBytes[i]);
    return text;
}

bool isValidVersionText (const juce::String& text)
{
    if (text.length() < 4)
        return false;

    auto isDigit = [] (juce::juce_wchar c) { return c >= '0' && c <= '9'; };
    return isDigit (text[0]) && text[1] == '.' && isDigit (text[2]) && isDigit (text[3]);
}

int checkFileBytes (const uint8_t* data, int64_t size, int64_t expectedSize,
                    uint32_t* date, juce::String& version)
{
    if (size != expectedSize || expectedSize < fileSize)
        return ERR_FILE_SIZE;

    *date = readBigEndian32 (data + dateOffset);
    if (! dateBytesWithinBounds (data + dateOffset))
        return ERR_FILE_VERSION;

    version = textFromVersionBytes (data + versionOffset);
    if (! isValidVersionText (version))
        return ERR_FILE_VERSION;

    const auto stored = (uint16_t) (data[expectedSize - 2] | (data[expectedSize - 1] << 8));
    return crc16Xmodem (data, expectedSize - 2) == stored ? 1 : ERR_FILE_CRC;
}

juce::String fileNameWildcard (int kind)
{
    if (kind == 1)
        return "krvtm40__v*.bin";
    if (kind == 2)
        return "krvtm40_B__v*.bin";
    return {};
}

int fileNameLength (int kind)
{
    if (kind == 1)
        return 17;
    if (kind == 2)
        return 19;
    return 0;
}

bool nameQualifies (const juce::String& fileName, int kind)
{
    const auto wildcard = fileNameWildcard (kind);
    if (wildcard.isEmpty() || fileName.length() != fileNameLength (kind))
        return false;

    // The listing's wildcard ignores case; the prefix must match exactly, and the
    // rest must still fit the pattern (case-insensitively, as the listing does).
    return fileName.substring (0, 9) == wildcard.substring (0, 9)
        && fileName.matchesWildcard (wildcard, true);
}

} // namespace updfile
