#pragma once

// The update file's layout and its checks as free functions, shared by the
// update engine and the update-file tool so that both judge a file the same way.

#include <juce_core/juce_core.h>

#include <cstdint>

namespace updfile
{

constexpr int64_t fileSize = 0x200000;

// One firmware image inside the file.
struct ImageLayout
{
    int64_t fileOffset;
    int64_t size;
    int64_t destAddress;
    uint8_t target;
};

constexpr int imageCount = 3;
constexpr ImageLayout images[imageCount] = {
    { 0x000000, 0x090000, 0x000000, 0xF1 },
    { 0x090000, 0x140000, 0x090000, 0xF2 },
    { 0x1D0000, 0x010000, 0x1D0000, 0xF7 },
};

// Image 2 is cut to this size when the controller already carries the file's date.
constexpr int64_t image2ShortSize = 0x1000;

constexpr int64_t versionOffset = 0x1D0000;    // four characters, digit "." digit digit
constexpr int64_t dateOffset = 0x1DFFFC;       // big-endian packed-BCD date word
constexpr int64_t transferredEnd = 0x1E0000;   // bytes from here are only covered by the CRC
constexpr int64_t crcOffset = fileSize - 2;    // CRC-16, low byte first

// Upper bounds of the date word's bytes, most significant first: century, year, month, day.
constexpr uint8_t dateByteMax[4] = { 0x20, 0x50, 0x12, 0x31 };

// CRC-16/XMODEM computed bit by bit; a length of zero or less gives 0.
uint16_t crc16Xmodem (const uint8_t* data, int64_t length) noexcept;

// Four bytes, most significant first, as one word.
uint32_t readBigEndian32 (const uint8_t* bytes) noexcept;

// True when no byte of the date exceeds its bound (no lower bounds).
bool dateBytesWithinBounds (const uint8_t* fourBytes) noexcept;

// Each byte becomes the character of that code; a zero byte adds nothing.
juce::String textFromVersionBytes (const uint8_t* fourBytes);

// Digit, ".", digit, digit in positions 0..3; later characters are not examined.
bool isValidVersionText (const juce::String& text);

// The whole-file verdict in the order the checks must run: size, date word,
// version text, CRC. Returns 1 when all pass, else ERR_FILE_SIZE,
// ERR_FILE_VERSION or ERR_FILE_CRC. The date is stored once the size passed,
// the version text once the date passed, each before its own check.
int checkFileBytes (const uint8_t* data, int64_t size, int64_t expectedSize,
                    uint32_t* date, juce::String& version);

// File names: "krvtm40__v*.bin" (17 characters) for kind 1,
// "krvtm40_B__v*.bin" (19 characters) for kind 2; empty / 0 for other kinds.
juce::String fileNameWildcard (int kind);
int fileNameLength (int kind);

// Exact length, and the first nine characters equal the wildcard's, case included.
bool nameQualifies (const juce::String& fileName, int kind);

} // namespace updfile
