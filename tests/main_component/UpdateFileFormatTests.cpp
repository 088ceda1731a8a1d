// The update file's checks as free functions: CRC, date bounds, version text, names.
#include "main_component/UpdateFileFormat.h"
#include "main_component/UpdateState.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
uint16_t crcOf (const std::string& s)
{
    return updfile::crc16Xmodem (reinterpret_cast<const uint8_t*> (s.data()), (int64_t) s.size());
}
}

TEST (Crc16Xmodem, MatchesTheCheckValues)
{
    EXPECT_EQ (crcOf ("123456789"), 0x31C3);
    EXPECT_EQ (crcOf ("abc"), 0x9DD6);
    EXPECT_EQ (crcOf (""), 0);
    const uint8_t one = 0x55;
    EXPECT_EQ (updfile::crc16Xmodem (&one, -1), 0);
}

TEST (Crc16Xmodem, AgreesWithTheDirectForm)
{
    juce::Random random (7);
    uint8_t bytes[300];
    for (auto& b : bytes)
        b = (uint8_t) random.nextInt (256);

    uint16_t direct = 0;
    for (auto b : bytes)
    {
        direct ^= (uint16_t) (b << 8);
        for (int i = 0; i < 8; ++i)
            direct = (uint16_t) ((direct & 0x8000) != 0 ? (direct << 1) ^ 0x1021 : direct << 1);
    }
    EXPECT_EQ (updfile::crc16Xmodem (bytes, sizeof (bytes)), direct);
}

TEST (DateBounds, EachByteHasItsOwnUpperBound)
{
    struct Case { uint32_t word; bool ok; };
    const Case cases[] = {
        { 0x20501231, true }, { 0x00000000, true }, { 0x19991299, false }, { 0x20511231, false },
        { 0x21000101, false }, { 0x20201301, false }, { 0x20201232, false }, { 0x1F4F1130, true },
    };
    for (auto c : cases)
    {
        const uint8_t b[4] = { (uint8_t) (c.word >> 24), (uint8_t) (c.word >> 16), (uint8_t) (c.word >> 8), (uint8_t) c.word };
        EXPECT_EQ (updfile::dateBytesWithinBounds (b), c.ok) << std::hex << c.word;
        EXPECT_EQ (updfile::readBigEndian32 (b), c.word);
    }
}

TEST (VersionText, DigitDotDigitDigit)
{
    struct Case { const char* text; bool ok; };
    const Case cases[] = {
        { "1.23", true }, { "0.00", true }, { "9.99x", true }, { "1,23", false }, { "12.3", false },
        { "1.2a", false }, { "1.2", false }, { "", false }, { "a.23", false },
    };
    for (auto c : cases)
        EXPECT_EQ (updfile::isValidVersionText (c.text), c.ok) << c.text;
}

TEST (VersionText, BytesBecomeCharactersAndZeroAddsNone)
{
    const uint8_t plain[4] = { '1', '.', '0', '2' };
    EXPECT_EQ (updfile::textFromVersionBytes (plain), "1.02");
    const uint8_t withZero[4] = { '1', 0, '0', '2' };
    EXPECT_EQ (updfile::textFromVersionBytes (withZero), "102");
    const uint8_t high[4] = { '1', '.', 0xE9, '2' };
    const auto text = updfile::textFromVersionBytes (high);
    EXPECT_EQ (text[2], (juce::juce_wchar) 0xE9);
    EXPECT_FALSE (updfile::isValidVersionText (text));
}

TEST (FileNames, LengthAndCaseOfThePrefixDecide)
{
    struct Case { const char* name; int kind; bool ok; };
    const Case cases[] = {
        { "krvtm40__v102.bin", 1, true },
        { "krvtm40__V102.BIN", 1, true },        // case of "v" and ".bin" is free
        { "KRVTM40__v102.bin", 1, false },       // the first nine are exact
        { "krvtm40__v1023.bin", 1, false },      // 18 characters
        { "krvtm40_B__v102.bin", 1, false },
        { "krvtm40_B__v102.bin", 2, true },
        { "krvtm40_b__v102.bin", 2, false },
        { "krvtm40__v102.bin", 2, false },
        { "krvtm40__v102.bin", 0, false },
        { "krvtm40__x102.bin", 1, false },
    };
    for (auto c : cases)
        EXPECT_EQ (updfile::nameQualifies (c.name, c.kind), c.ok) << c.name << " kind " << c.kind;
}
