// The engine's member operations on their own: the input hand-over, the file
// search and registration, and the member forms of the shared checks.
#include "EngineHarness.h"

using namespace enginetest;

namespace
{
class EngineUnit : public EngineHarness
{
public:
    void SetUp() override
    {
        EngineHarness::SetUp();
        createComponent (0x10E, false);
    }

    void deliver (const std::vector<uint8_t>& bytes, size_t reportedLength)
    {
        std::memcpy (component->hidCtrl->m_inputData, bytes.data(), std::min<size_t> (bytes.size(), 64));
        component->hidCtrl->m_inputLength = reportedLength;
        component->inputCallBack (0);
    }

    juce::File writeNamed (const juce::String& name, const char* version)
    {
        fileRecipe.versionBytes = updfile::versionBytesOf (version);
        fileBytes = updfile::buildUpdateFile (fileRecipe);
        return writeFile (fileBytes, name);
    }
};
}

TEST_F (EngineUnit, InputReportIsCopiedUpToItsLengthAndCleared)
{
    struct Case { size_t length; size_t expectedNew; };
    const Case cases[] = { { 10, 10 }, { 64, 64 }, { 70, 64 }, { 0, 0 } };

    uint8_t round = 1;
    for (auto c : cases)
    {
        component->inPacket.clear();
        std::vector<uint8_t> report (64, round);
        deliver (report, c.length);
        for (size_t i = 0; i < 64; ++i)
            EXPECT_EQ (component->inPacket[i], i < c.expectedNew ? round : 0) << "length " << c.length << " byte " << i;
        for (size_t i = 0; i < 64 && c.length > 0; ++i)
            EXPECT_EQ (component->hidCtrl->m_inputData[i], 0);
        EXPECT_FALSE (component->responseEvent.wait (0)) << "no thread runs, so nobody is woken";
        ++round;
    }
}

TEST_F (EngineUnit, BytesBeyondAShortReportKeepTheirValues)
{
    deliver (std::vector<uint8_t> (64, 0xAA), 64);
    deliver (std::vector<uint8_t> (64, 0xF1), 3);
    EXPECT_EQ (component->inPacket[2], 0xF1);
    EXPECT_EQ (component->inPacket[3], 0xAA);
}

TEST_F (EngineUnit, LastQualifyingNameWinsWhateverTheListingOrder)
{
    writeNamed ("krvtm40__v102.bin", "1.02");
    writeNamed ("krvtm40__v101.bin", "1.01");
    writeNamed ("krvtm40__v099.bin", "0.99");
    component->deviceMode = 1;
    component->CheckUpdFile();

    EXPECT_EQ (component->getState(), UPD_INIT);
    EXPECT_EQ (component->updFileStatus, 8);
    EXPECT_EQ (component->updFileVersion, "1.02");
    EXPECT_EQ (component->updFiles[0].file.getFileName(), "krvtm40__v102.bin");
}

TEST_F (EngineUnit, TheChosenFileIsTheOneChecked)
{
    writeNamed ("krvtm40__v101.bin", "1.01");
    writeNamed ("krvtm40__v102.bin", "1.2x");   // last in name order, and defective
    component->deviceMode = 1;
    component->CheckUpdFile();
    EXPECT_EQ (component->getState(), ERR_FILE_VERSION);
    EXPECT_EQ (component->updFiles[1].state, ERR_FILE_VERSION);
    EXPECT_EQ (component->updFileKind, 1);
}

TEST_F (EngineUnit, AcceptedFileRegistersThreeImages)
{
    fileRecipe.kind = 2;
    writeNamed (updfile::updateFileName (2), "3.45");
    component->deviceMode = 2;
    component->CheckUpdFile();

    EXPECT_EQ (component->updFileStatus, 8);
    EXPECT_EQ (component->updFileKind, 2);
    EXPECT_EQ (component->updFileDate, fileDate);
    for (int i = 0; i < 3; ++i)
    {
        const auto& r = component->updFiles[i];
        EXPECT_EQ (r.state, 1);
        EXPECT_EQ (r.size, updfile::images[i].size);
        EXPECT_EQ (r.fileOffset, updfile::images[i].fileOffset);
        EXPECT_EQ (r.destAddress, updfile::images[i].destAddress);
        EXPECT_EQ (r.target, updfile::images[i].target);
        EXPECT_EQ (r.file.getFileName(), updfile::updateFileName (2));
    }
}

TEST_F (EngineUnit, DirectoriesAndSubdirectoriesDoNotCount)
{
    ASSERT_TRUE (directory.getChildFile ("krvtm40__v102.bin").createDirectory());
    updfile::writeUpdateFile (directory.getChildFile ("sub").getChildFile ("krvtm40__v103.bin"), updfile::buildUpdateFile (fileRecipe));
    component->deviceMode = 1;
    component->updFileStatus = 8;
    component->CheckUpdFile();
    EXPECT_EQ (component->getState(), ERR_FILE_MISSING);
    EXPECT_EQ (component->updFileStatus, 0);
    EXPECT_EQ (component->updFiles[0].state, 0) << "records untouched when nothing was found";
}

TEST_F (EngineUnit, RecordedRemovalOutlivesAMissingFile)
{
    component->updState = ERR_REMOVED;
    component->deviceMode = 1;
    component->CheckUpdFile();
    EXPECT_EQ (component->getState(), ERR_REMOVED);
    EXPECT_EQ (component->updFileStatus, 0);
}

TEST_F (EngineUnit, UnknownKindFindsNoFile)
{
    writeNamed (updfile::updateFileName (1), "1.02");
    component->deviceMode = 0;
    component->CheckUpdFile();
    EXPECT_EQ (component->getState(), ERR_FILE_MISSING);
}

TEST_F (EngineUnit, ParseReportsAVanishedFileAsMissing)
{
    uint32_t date = 7;
    juce::String version ("x");
    EXPECT_EQ (component->ParseUpdFile (directory.getChildFile ("gone.bin"), 0x200000, &date, version), ERR_FILE_MISSING);
    EXPECT_EQ (date, 7u);
}

TEST_F (EngineUnit, MemberChecksAreTheSharedOnes)
{
    const char* digits = "123456789";
    EXPECT_EQ (component->CalcCRC (reinterpret_cast<const uint8_t*> (digits), 9), 0x31C3);
    EXPECT_EQ (component->CalcCRC (reinterpret_cast<const uint8_t*> (digits), 0), 0);
    juce::String good ("1.23"), bad ("1,23");
    EXPECT_TRUE (component->CheckSysVer (good));
    EXPECT_FALSE (component->CheckSysVer (bad));
}
