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

// The whole-file verdict on files built valid or with one defect.
#include "UpdateFileBuilder.h"

namespace
{
struct VerdictCase
{
    const char* what;
    updfile::Defect defect;
    const char* version;
    uint32_t date;
    int expected;
};

int verdictOf (const std::vector<uint8_t>& file, uint32_t& date, juce::String& version)
{
    return updfile::checkFileBytes (file.data(), (int64_t) file.size(), updfile::fileSize, &date, version);
}
}

TEST (FileVerdict, OneRowPerDefect)
{
    using D = updfile::Defect;
    const VerdictCase cases[] = {
        { "valid", D::none, "1.02", 0x20240115, 1 },
        { "largest date", D::none, "1.23", 0x20501231, 1 },
        { "zero date", D::none, "0.00", 0x00000000, 1 },
        { "one byte short", D::oneByteShort, "1.02", 0x20240115, ERR_FILE_SIZE },
        { "one byte long", D::oneByteLong, "1.02", 0x20240115, ERR_FILE_SIZE },
        { "century past", D::none, "1.02", 0x21000101, ERR_FILE_VERSION },
        { "year past", D::none, "1.02", 0x20511231, ERR_FILE_VERSION },
        { "month past", D::none, "1.02", 0x20201301, ERR_FILE_VERSION },
        { "day past", D::none, "1.02", 0x20201232, ERR_FILE_VERSION },
        { "comma", D::none, "1,23", 0x20240115, ERR_FILE_VERSION },
        { "two digits first", D::none, "12.3", 0x20240115, ERR_FILE_VERSION },
        { "letter", D::none, "1.2a", 0x20240115, ERR_FILE_VERSION },
        { "zero byte", D::none, "1.2", 0x20240115, ERR_FILE_VERSION },
        { "crc high byte first", D::crcHighByteFirst, "1.02", 0x20240115, ERR_FILE_CRC },
        { "changed uncovered byte", D::changedUncoveredByte, "1.02", 0x20240115, ERR_FILE_CRC },
        { "changed image byte", D::changedImageByte, "1.02", 0x20240115, ERR_FILE_CRC },
    };

    for (const auto& c : cases)
    {
        updfile::UpdateFileRecipe recipe;
        recipe.versionBytes = updfile::versionBytesOf (c.version);
        recipe.dateWord = c.date;
        auto file = updfile::buildDefectiveUpdateFile (recipe, c.defect, 0x1234);
        if (c.defect == D::crcHighByteFirst)
        {
            ASSERT_NE (file[(size_t) updfile::crcOffset], file[(size_t) updfile::crcOffset + 1]);
        }

        uint32_t date = 0xDEADBEEF;
        juce::String version ("old");
        EXPECT_EQ (verdictOf (file, date, version), c.expected) << c.what;

        const bool sizeOk = c.expected != ERR_FILE_SIZE;
        EXPECT_EQ (date, sizeOk ? c.date : 0xDEADBEEF) << c.what;
        const bool dateOk = sizeOk && updfile::dateBytesWithinBounds (file.data() + updfile::dateOffset);
        EXPECT_EQ (version, dateOk ? juce::String (c.version) : juce::String ("old")) << c.what;
    }
}

TEST (FileVerdict, EveryUncoveredByteCountsForTheCrc)
{
    for (int64_t where : { (int64_t) 0, (int64_t) 0xFFFF, updfile::crcOffset - updfile::transferredEnd - 1 })
    {
        auto file = updfile::buildDefectiveUpdateFile ({}, updfile::Defect::changedUncoveredByte, where);
        uint32_t date = 0;
        juce::String version;
        EXPECT_EQ (verdictOf (file, date, version), ERR_FILE_CRC) << where;
    }
}

TEST (FileNames, BuilderNamesQualifyForTheirKindOnly)
{
    EXPECT_EQ (updfile::updateFileName (1, "1.02"), "krvtm40__v102.bin");
    EXPECT_EQ (updfile::updateFileName (2, "1.02"), "krvtm40_B__v102.bin");
    EXPECT_TRUE (updfile::nameQualifies (updfile::updateFileName (1), 1));
    EXPECT_TRUE (updfile::nameQualifies (updfile::updateFileName (2), 2));
    EXPECT_FALSE (updfile::nameQualifies (updfile::updateFileName (1), 2));
}
