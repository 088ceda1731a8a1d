// One row per error ID the engine can produce and per fault the emulated
// controller can inject: the final status, the last request the controller
// received, and that the thread has ended and sends nothing more.
#include "EngineHarness.h"
#include "RequestTrace.h"

#include <unistd.h>

using namespace enginetest;

namespace
{
class FaultMatrix;

struct FaultRow
{
    const char* name;
    std::function<void (FaultMatrix&)> setup;          // before the component is built
    int32_t expected;
    int lastCommand;                                    // of the last request received; -1: none
    std::function<void (FaultMatrix&)> atReady = {};   // on the ready screen, before Start
    std::function<void (FaultMatrix&)> check = {};     // further expectations
};

std::ostream& operator<< (std::ostream& os, const FaultRow& row) { return os << row.name; }

class FaultMatrix : public EngineHarness, public ::testing::WithParamInterface<FaultRow>
{
public:
    void replaceFile (const std::vector<uint8_t>& bytes)
    {
        fileBytes = bytes;
        writeFile (bytes);
    }

    void fileWithRecipe (const std::function<void (updfile::UpdateFileRecipe&)>& change,
                       updfile::Defect defect = updfile::Defect::none)
    {
        change (fileRecipe);
        replaceFile (updfile::buildDefectiveUpdateFile (fileRecipe, defect, 0x4321));
    }

    juce::File defaultFile() const { return directory.getChildFile (updfile::updateFileName (1)); }

    void override (int command, int occurrence, uint8_t code, uint8_t reason = 0)
    {
        controllerConfig.faults.overrides.push_back ({ { command, occurrence }, code, reason });
    }

    RequestTrace trace() const { return RequestTrace (controller->requests()); }
    int busyLimitMs = 60000;
};

TEST_P (FaultMatrix, EndsWithItsErrorAndSendsNothingAfter)
{
    const auto& row = GetParam();
    writeValidFile();
    row.setup (*this);
    createComponent();
    component->busyPollLimitMs = busyLimitMs;
    startChecks();

    ASSERT_TRUE (pumpUntil ([this] { return component->getState() != UPD_INIT || ! component->isThreadRunning(); }));
    if (component->getState() == UPD_READY)
    {
        if (row.atReady)
            row.atReady (*this);
        else
            pressStart();
    }
    ASSERT_TRUE (waitForThreadEnd (40000));
    EXPECT_EQ (component->getState(), row.expected) << std::hex << component->getState();

    const auto sent = controller->requestCount();
    pumpFor (150);
    EXPECT_EQ (controller->requestCount(), sent) << "sent after the thread ended";

    const auto requests = controller->requests();
    if (row.lastCommand < 0)
        EXPECT_TRUE (requests.empty());
    else if (! requests.empty())
        EXPECT_EQ (requests.back()[1], row.lastCommand) << "requests: " << requests.size();
    else
        ADD_FAILURE() << "no request";

    if (row.check)
        row.check (*this);
}

using D = updfile::Defect;
using Recipe = updfile::UpdateFileRecipe;
constexpr int any = emu::RequestMatch::anyCommand;

void noSecondQuestion (FaultMatrix& m) { EXPECT_EQ (m.trace().count (CMD_GET_VERSION), 0); }

const FaultRow fileRows[] = {
    { "no_file", [] (FaultMatrix& m) { m.defaultFile().deleteFile(); }, ERR_FILE_MISSING, CMD_GET_MODE,
      {}, [] (FaultMatrix& m) { EXPECT_EQ (m.component->updFileStatus, 0); noSecondQuestion (m); } },
    { "only_a_kind_2_file", [] (FaultMatrix& m) { m.defaultFile().moveFileTo (m.directory.getChildFile (updfile::updateFileName (2))); },
      ERR_FILE_MISSING, CMD_GET_MODE },
    { "name_of_18_characters", [] (FaultMatrix& m) { m.defaultFile().moveFileTo (m.directory.getChildFile ("krvtm40__v1023.bin")); },
      ERR_FILE_MISSING, CMD_GET_MODE },
    { "prefix_in_other_case", [] (FaultMatrix& m) { m.defaultFile().moveFileTo (m.directory.getChildFile ("KRVTM40__v102.bin")); },
      ERR_FILE_MISSING, CMD_GET_MODE },
    { "file_cannot_be_loaded", [] (FaultMatrix& m)
      {
          // Its size reads as 0 but it yields bytes: loading reports a failure.
          m.defaultFile().deleteFile();
          ASSERT_EQ (symlink ("/proc/self/status", m.defaultFile().getFullPathName().toRawUTF8()), 0);
      }, ERR_FILE_LOAD, CMD_GET_MODE },
    { "one_byte_short", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe&) {}, D::oneByteShort); }, ERR_FILE_SIZE, CMD_GET_MODE,
      {}, [] (FaultMatrix& m) { EXPECT_TRUE (m.component->updFileVersion.isEmpty()); } },
    { "one_byte_long", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe&) {}, D::oneByteLong); }, ERR_FILE_SIZE, CMD_GET_MODE },
    { "century_past_bound", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe& s) { s.dateWord = 0x21000101; }); }, ERR_FILE_VERSION, CMD_GET_MODE,
      {}, [] (FaultMatrix& m) { EXPECT_EQ (m.component->updFileDate, 0x21000101u); } },
    { "year_past_bound", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe& s) { s.dateWord = 0x20511231; }); }, ERR_FILE_VERSION, CMD_GET_MODE },
    { "month_past_bound", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe& s) { s.dateWord = 0x20201301; }); }, ERR_FILE_VERSION, CMD_GET_MODE },
    { "day_past_bound", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe& s) { s.dateWord = 0x20201232; }); }, ERR_FILE_VERSION, CMD_GET_MODE },
    { "version_with_comma", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe& s) { s.versionBytes = updfile::versionBytesOf ("1,23"); }); },
      ERR_FILE_VERSION, CMD_GET_MODE, {}, [] (FaultMatrix& m) { EXPECT_EQ (m.component->updFileVersion, "1,23"); } },
    { "version_12_3", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe& s) { s.versionBytes = updfile::versionBytesOf ("12.3"); }); }, ERR_FILE_VERSION, CMD_GET_MODE },
    { "version_1_2a", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe& s) { s.versionBytes = updfile::versionBytesOf ("1.2a"); }); }, ERR_FILE_VERSION, CMD_GET_MODE },
    { "version_with_zero_byte", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe& s) { s.versionBytes = { '1', 0, '2', '3' }; }); }, ERR_FILE_VERSION, CMD_GET_MODE },
    { "crc_high_byte_first", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe&) {}, D::crcHighByteFirst); }, ERR_FILE_CRC, CMD_GET_MODE },
    { "changed_byte_past_the_images", [] (FaultMatrix& m) { m.fileWithRecipe ([] (Recipe&) {}, D::changedUncoveredByte); }, ERR_FILE_CRC, CMD_GET_MODE },
};

void controllerDate (FaultMatrix& m, uint32_t date) { m.controllerConfig.dateWord = date; }

const FaultRow deviceRows[] = {
    { "controller_century_past_bound", [] (FaultMatrix& m) { controllerDate (m, 0x21000101); }, ERR_DEV_VERSION, CMD_GET_VERSION,
      {}, [] (FaultMatrix& m) { EXPECT_EQ (m.component->devDate, 0x21000101u); } },
    { "controller_year_past_bound", [] (FaultMatrix& m) { controllerDate (m, 0x20511231); }, ERR_DEV_VERSION, CMD_GET_VERSION },
    { "controller_month_past_bound", [] (FaultMatrix& m) { controllerDate (m, 0x20201301); }, ERR_DEV_VERSION, CMD_GET_VERSION },
    { "controller_day_past_bound", [] (FaultMatrix& m) { controllerDate (m, 0x20201232); }, ERR_DEV_VERSION, CMD_GET_VERSION },
    { "same_date_and_bad_version_leave_nothing", [] (FaultMatrix& m)
      {
          controllerDate (m, fileDate);
          m.controllerConfig.versionBytes = updfile::versionBytesOf ("1.0x");
      }, ERR_DEV_VERSION, CMD_GET_VERSION },
    { "mode_refused_1", [] (FaultMatrix& m) { m.override (CMD_GET_MODE, 1, RSP_REFUSED, 1); }, ERR_REFUSED_1, CMD_GET_MODE,
      {}, [] (FaultMatrix& m) { EXPECT_EQ (m.component->deviceMode, 0); } },
    { "mode_refused_2", [] (FaultMatrix& m) { m.override (CMD_GET_MODE, 1, RSP_REFUSED, 2); }, ERR_REFUSED_2, CMD_GET_MODE },
    { "mode_refused_3", [] (FaultMatrix& m) { m.override (CMD_GET_MODE, 1, RSP_REFUSED, 3); }, ERR_REFUSED_3, CMD_GET_MODE },
    { "mode_refused_4", [] (FaultMatrix& m) { m.override (CMD_GET_MODE, 1, RSP_REFUSED, 4); }, ERR_REFUSED_4, CMD_GET_MODE },
    { "mode_refused_5", [] (FaultMatrix& m) { m.override (CMD_GET_MODE, 1, RSP_REFUSED, 5); }, ERR_UNEXPECTED, CMD_GET_MODE },
    { "mode_refused_9", [] (FaultMatrix& m) { m.override (CMD_GET_MODE, 1, RSP_REFUSED, 9); }, ERR_UNEXPECTED, CMD_GET_MODE },
    { "mode_answered_block_done", [] (FaultMatrix& m) { m.override (CMD_GET_MODE, 1, RSP_BLOCK_DONE); }, ERR_UNEXPECTED, CMD_GET_MODE },
    { "version_answered_ok", [] (FaultMatrix& m) { m.override (CMD_GET_VERSION, 1, RSP_OK); }, ERR_UNEXPECTED, CMD_GET_VERSION },
    { "begin_answered_busy", [] (FaultMatrix& m) { m.override (CMD_BEGIN, 1, RSP_BUSY1); }, ERR_UNEXPECTED, CMD_BEGIN },
    { "head_refused_3", [] (FaultMatrix& m) { m.override (CMD_BLOCK_HEAD, 2, RSP_REFUSED, 3); }, ERR_UNEXPECTED, CMD_BLOCK_HEAD },
    { "sum_refused_2", [] (FaultMatrix& m) { m.override (CMD_BLOCK_SUM, 1, RSP_REFUSED, 2); }, ERR_REFUSED_2, CMD_BLOCK_SUM },
    { "sum_refused_1", [] (FaultMatrix& m) { m.override (CMD_BLOCK_SUM, 1, RSP_REFUSED, 1); }, ERR_UNEXPECTED, CMD_BLOCK_SUM },
    { "poll_refused_3", [] (FaultMatrix& m) { m.override (CMD_BLOCK_STATUS, 1, RSP_REFUSED, 3); }, ERR_REFUSED_3, CMD_BLOCK_STATUS },
    { "poll_refused_4", [] (FaultMatrix& m) { m.override (CMD_BLOCK_STATUS, 1, RSP_REFUSED, 4); }, ERR_REFUSED_4, CMD_BLOCK_STATUS },
    { "poll_refused_2", [] (FaultMatrix& m) { m.override (CMD_BLOCK_STATUS, 1, RSP_REFUSED, 2); }, ERR_UNEXPECTED, CMD_BLOCK_STATUS },
    { "poll_refused_5", [] (FaultMatrix& m) { m.override (CMD_BLOCK_STATUS, 1, RSP_REFUSED, 5); }, ERR_UNEXPECTED, CMD_BLOCK_STATUS },
    { "busy_for_ever", [] (FaultMatrix& m) { m.controllerConfig.faults.alwaysBusy = true; m.busyLimitMs = 400; },
      ERR_NO_RESPONSE, CMD_BLOCK_STATUS, {}, [] (FaultMatrix& m) { EXPECT_GE (m.trace().count (CMD_BLOCK_STATUS), 3); } },
    { "refused_data_packet_lets_the_block_finish", [] (FaultMatrix& m) { m.override (CMD_DATA, 1000, RSP_REFUSED, 1); },
      ERR_UNEXPECTED, CMD_DATA, {}, [] (FaultMatrix& m)
      {
          const auto t = m.trace();
          ASSERT_EQ (t.blocks.size(), 1u);
          EXPECT_EQ (t.blocks[0].bytes.size(), 0x20000u);
          EXPECT_FALSE (t.blocks[0].sumSent);
      } },
};

// Byte 0 of the answer differs from the request's: the step ends at once.
const FaultRow echoRows[] = {
    { "mode_not_echoed", [] (FaultMatrix& m) { m.controllerConfig.faults.wrongTargetOn = { CMD_GET_MODE, 1 }; }, ERR_UNEXPECTED, CMD_GET_MODE },
    { "version_not_echoed", [] (FaultMatrix& m) { m.controllerConfig.faults.wrongTargetOn = { CMD_GET_VERSION, 1 }; }, ERR_UNEXPECTED, CMD_GET_VERSION },
    { "begin_not_echoed", [] (FaultMatrix& m) { m.controllerConfig.faults.wrongTargetOn = { CMD_BEGIN, 1 }; }, ERR_UNEXPECTED, CMD_BEGIN },
    { "head_not_echoed", [] (FaultMatrix& m) { m.controllerConfig.faults.wrongTargetOn = { CMD_BLOCK_HEAD, 1 }; }, ERR_UNEXPECTED, CMD_BLOCK_HEAD },
    { "data_not_echoed", [] (FaultMatrix& m) { m.controllerConfig.faults.wrongTargetOn = { CMD_DATA, 10 }; }, ERR_UNEXPECTED, CMD_DATA,
      {}, [] (FaultMatrix& m) { EXPECT_EQ (m.trace().count (CMD_DATA), 10); } },
    { "last_announcement_not_echoed", [] (FaultMatrix& m) { m.controllerConfig.faults.wrongTargetOn = { CMD_DATA_LAST, 1 }; }, ERR_UNEXPECTED, CMD_DATA_LAST },
    { "sum_not_echoed", [] (FaultMatrix& m) { m.controllerConfig.faults.wrongTargetOn = { CMD_BLOCK_SUM, 1 }; }, ERR_UNEXPECTED, CMD_BLOCK_SUM },
    { "poll_not_echoed", [] (FaultMatrix& m) { m.controllerConfig.faults.wrongTargetOn = { CMD_BLOCK_STATUS, 2 }; }, ERR_UNEXPECTED, CMD_BLOCK_STATUS },
};

// The file changes between the checks and the transfer: nothing of it goes out.
void changeAtReady (FaultMatrix& m, const std::function<void (juce::File&)>& change)
{
    auto file = m.defaultFile();
    change (file);
    m.pressStart();
}

void noDataSent (FaultMatrix& m) { EXPECT_EQ (m.trace().count (CMD_DATA), 0); }

const FaultRow fileChangeRows[] = {
    { "file_deleted_after_checks", [] (FaultMatrix&) {}, ERR_FILE_OPEN, CMD_BLOCK_HEAD,
      [] (FaultMatrix& m) { changeAtReady (m, [] (juce::File& f) { f.deleteFile(); }); }, noDataSent },
    { "file_cut_short_after_checks", [] (FaultMatrix&) {}, ERR_FILE_OPEN, CMD_BLOCK_HEAD,
      [] (FaultMatrix& m) { changeAtReady (m, [] (juce::File& f) { f.replaceWithData ("x", 1); }); }, noDataSent },
    { "file_replaced_after_checks", [] (FaultMatrix&) {}, ERR_FILE_OPEN, CMD_BLOCK_HEAD,
      [] (FaultMatrix& m) { changeAtReady (m, [&m] (juce::File&) { auto recipe = m.fileRecipe; recipe.seed = 99; updfile::writeUpdateFile (m.defaultFile(), updfile::buildUpdateFile (recipe)); }); },
      noDataSent },
    { "image_one_changed_after_checks", [] (FaultMatrix&) {}, ERR_FILE_OPEN, CMD_BLOCK_HEAD,
      [] (FaultMatrix& m) { changeAtReady (m, [&m] (juce::File& f) { f.replaceWithData (updfile::buildDefectiveUpdateFile (m.fileRecipe, D::changedImageByte, 0x30000).data(), (size_t) updfile::fileSize); }); },
      [] (FaultMatrix& m)
      {
          // Image 0 went out; image 1's second block, which changed, did not.
          const auto t = m.trace();
          ASSERT_EQ (t.blocks.size(), 7u);
          EXPECT_EQ (t.blocks[5].bytes.size(), 0x20000u);
          EXPECT_TRUE (t.blocks[6].bytes.empty());
      } },
};

// The controller is pulled out in each phase.
const FaultRow removalRows[] = {
    { "removed_in_phase_0", [] (FaultMatrix& m) { m.controllerConfig.faults.unplugOn = { CMD_GET_MODE, 1 }; }, ERR_NO_RESPONSE, CMD_GET_MODE },
    { "removed_in_phase_1", [] (FaultMatrix&) {}, ERR_REMOVED, CMD_GET_VERSION,
      [] (FaultMatrix& m) { m.controller->unplug(); } },
    { "removed_in_phase_2", [] (FaultMatrix& m) { m.controllerConfig.faults.unplugOn = { CMD_BEGIN, 1 }; }, ERR_REMOVED, CMD_BEGIN },
    { "removed_in_phase_3", [] (FaultMatrix& m) { m.controllerConfig.faults.unplugOn = { CMD_BLOCK_HEAD, 3 }; }, ERR_REMOVED, CMD_BLOCK_HEAD },
    { "removed_in_phase_4", [] (FaultMatrix& m) { m.controllerConfig.faults.unplugOn = { CMD_DATA, 100 }; }, ERR_REMOVED, CMD_DATA,
      {}, [] (FaultMatrix& m) { EXPECT_FALSE (m.trace().blocks[0].sumSent); } },
    { "removed_in_phase_5", [] (FaultMatrix& m) { m.controllerConfig.faults.unplugOn = { CMD_BLOCK_SUM, 2 }; }, ERR_REMOVED, CMD_BLOCK_SUM },
    { "removed_in_phase_6", [] (FaultMatrix& m) { m.controllerConfig.busyAnswersPerBlock = 3; m.controllerConfig.faults.unplugOn = { CMD_BLOCK_STATUS, 2 }; },
      ERR_REMOVED, CMD_BLOCK_STATUS },
    { "removed_in_phase_7", [] (FaultMatrix& m) { m.controllerConfig.dateWord = fileDate; m.controllerConfig.faults.unplugOn = { CMD_FINISH, 1 }; },
      UPD_COMPLETE, CMD_FINISH },
};

// No answer within 10000 ms (slow rows; CTest runs them side by side).
const FaultRow silentRows[] = {
    { "mode_unanswered", [] (FaultMatrix& m) { m.controllerConfig.faults.silentOn = { CMD_GET_MODE, 1 }; }, ERR_NO_RESPONSE, CMD_GET_MODE },
    { "version_unanswered", [] (FaultMatrix& m) { m.controllerConfig.faults.silentOn = { CMD_GET_VERSION, 1 }; }, ERR_NO_RESPONSE, CMD_GET_VERSION },
    { "data_unanswered", [] (FaultMatrix& m) { m.controllerConfig.faults.silentOn = { CMD_DATA, 500 }; }, ERR_NO_RESPONSE, CMD_DATA },
    { "poll_unanswered", [] (FaultMatrix& m) { m.controllerConfig.faults.silentOn = { CMD_BLOCK_STATUS, 1 }; }, ERR_NO_RESPONSE, CMD_BLOCK_STATUS },
    { "sum_answer_below_0xF0", [] (FaultMatrix& m) { m.controllerConfig.faults.lowFirstByteOn = { CMD_BLOCK_SUM, 1 }; }, ERR_NO_RESPONSE, CMD_BLOCK_SUM },
    { "any_fifth_request_unanswered", [] (FaultMatrix& m) { m.controllerConfig.faults.silentOn = { any, 5 }; }, ERR_NO_RESPONSE, CMD_DATA },
};

std::string rowName (const ::testing::TestParamInfo<FaultRow>& info) { return info.param.name; }
}

INSTANTIATE_TEST_SUITE_P (File, FaultMatrix, ::testing::ValuesIn (fileRows), rowName);
INSTANTIATE_TEST_SUITE_P (Device, FaultMatrix, ::testing::ValuesIn (deviceRows), rowName);
INSTANTIATE_TEST_SUITE_P (Echo, FaultMatrix, ::testing::ValuesIn (echoRows), rowName);
INSTANTIATE_TEST_SUITE_P (FileChange, FaultMatrix, ::testing::ValuesIn (fileChangeRows), rowName);
INSTANTIATE_TEST_SUITE_P (Removal, FaultMatrix, ::testing::ValuesIn (removalRows), rowName);
INSTANTIATE_TEST_SUITE_P (Silent, FaultMatrix, ::testing::ValuesIn (silentRows), rowName);
