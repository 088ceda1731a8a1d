// The status values, the guarded writes that keep a recorded removal, the
// removal handler in every state, and the operating-system type code.
#include "main_component/MainComponent.h"
#include "platform/OsVersion.h"
#include "platform/VirtualHidService.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{
// A component with no controller attached and no update thread running.
class CoreFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::VirtualHidBus::instance().reset();
        component = std::make_unique<MainComponent>();
    }

    void TearDown() override
    {
        component.reset();
        platform::VirtualHidBus::instance().reset();
    }

    std::unique_ptr<MainComponent> component;
};

struct NamedState
{
    int32_t value;
    int32_t expected;
};

const NamedState statusTable[] = {
    { UPD_INIT, 0 }, { UPD_READY, 1 }, { UPD_BEGIN, 2 }, { UPD_BLOCK_HEAD, 3 }, { UPD_BLOCK_DATA, 4 },
    { UPD_BLOCK_SUM, 5 }, { UPD_BLOCK_WAIT, 6 }, { UPD_FINISH, 7 }, { UPD_COMPLETE, 8 },
    { ERR_FILE_MISSING, 0x0E01 }, { ERR_FILE_LOAD, 0x0E02 }, { ERR_FILE_SIZE, 0x0E03 },
    { ERR_FILE_VERSION, 0x0E04 }, { ERR_FILE_CRC, 0x0E05 }, { ERR_DEV_VERSION, 0x0E11 },
    { ERR_NOT_CONNECTED, 0x0E21 }, { ERR_REFUSED_1, 0x0E31 }, { ERR_FILE_OPEN, 0x0E32 },
    { ERR_REFUSED_2, 0x0E33 }, { ERR_REFUSED_3, 0x0E34 }, { ERR_REFUSED_4, 0x0E35 },
    { ERR_NO_RESPONSE, 0x0E36 }, { ERR_REMOVED, 0x0E37 }, { ERR_UNEXPECTED, 0x0E41 },
};

const int32_t phases[] = { UPD_INIT, UPD_READY, UPD_BEGIN, UPD_BLOCK_HEAD, UPD_BLOCK_DATA,
                           UPD_BLOCK_SUM, UPD_BLOCK_WAIT, UPD_FINISH, UPD_COMPLETE };
const int32_t errorIds[] = { ERR_FILE_MISSING, ERR_FILE_LOAD, ERR_FILE_SIZE, ERR_FILE_VERSION, ERR_FILE_CRC,
                             ERR_DEV_VERSION, ERR_NOT_CONNECTED, ERR_REFUSED_1, ERR_FILE_OPEN, ERR_REFUSED_2,
                             ERR_REFUSED_3, ERR_REFUSED_4, ERR_NO_RESPONSE, ERR_UNEXPECTED };
} // namespace

TEST (StatusValues, HaveTheirFixedNumbersAndOneErrorRange)
{
    for (const auto& s : statusTable)
    {
        EXPECT_EQ (s.value, s.expected);
        EXPECT_EQ (isErrorState (s.value), s.expected >= 0x0E01) << std::hex << s.expected;
    }
    // The range is judged as a whole, not value by value.
    EXPECT_FALSE (isErrorState (0x0E00));
    EXPECT_TRUE (isErrorState (0x0E20));
    EXPECT_FALSE (isErrorState (0x0E42));
    EXPECT_FALSE (isErrorState (-1));
}

TEST_F (CoreFixture, StartsInThePhaseZeroWithTheTableInitialValues)
{
    EXPECT_EQ (component->getState(), UPD_INIT);
    EXPECT_EQ (component->getThreadName(), "UpdatingThread");
    EXPECT_FALSE (component->isThreadRunning());
    EXPECT_EQ (component->progress.load(), 0.0);
    EXPECT_EQ (component->totalUpdSize, 0);
    EXPECT_EQ (component->deviceMode, 0);
    EXPECT_EQ (component->updFileStatus, 0);
    EXPECT_EQ (component->updFileKind, 0);
    EXPECT_TRUE (component->updFileVersion.isEmpty());
    EXPECT_TRUE (component->devVersion.isEmpty());
    EXPECT_FALSE (component->updStarted);
    EXPECT_FALSE (component->mainFwUpdating.load());
    EXPECT_EQ (component->updFinished.load(), 0);
    EXPECT_FALSE (component->responseEvent.wait (0)) << "the response event starts unsignalled";
    ASSERT_NE (component->hidCtrl, nullptr);
    EXPECT_EQ (component->hidCtrl->m_connected.load(), 0);
    for (const auto& record : component->updFiles)
    {
        EXPECT_EQ (record.size, 0);
        EXPECT_EQ (record.state, 0);
    }
}

TEST_F (CoreFixture, RecordedRemovalSurvivesEveryLaterWrite)
{
    EXPECT_TRUE (component->setStateUnlessRemoved (UPD_BLOCK_DATA));
    EXPECT_TRUE (component->recordError (ERR_NO_RESPONSE));
    EXPECT_EQ (component->getState(), ERR_NO_RESPONSE);

    EXPECT_TRUE (component->recordError (ERR_REMOVED));
    for (const auto phase : phases)
        EXPECT_FALSE (component->setStateUnlessRemoved (phase)) << phase;
    for (const auto error : errorIds)
        EXPECT_FALSE (component->recordError (error)) << std::hex << error;
    EXPECT_EQ (component->getState(), ERR_REMOVED);
}

// The update thread moves through the transfer phases and records errors as
// fast as it can while the removal lands on the message thread: whatever the
// interleaving, the removal is recorded and stays.
TEST_F (CoreFixture, RemovalWinsARaceWithTheUpdateThreadsWrites)
{
    component->setStateUnlessRemoved (UPD_BLOCK_HEAD);
    std::atomic<bool> stop { false };
    std::atomic<int> writes { 0 }, refusedAfterRemoval { 0 };
    std::atomic<bool> removed { false };

    std::thread writer ([&]
    {
        for (int round = 0; ! stop; ++round)
        {
            const bool wasRemoved = removed.load();
            const int32_t next = (round % 8 == 7 && wasRemoved) ? ERR_NO_RESPONSE : UPD_BLOCK_HEAD + round % 4;
            if (component->setStateUnlessRemoved (next))
                ++writes;
            else if (wasRemoved)
                ++refusedAfterRemoval;
        }
    });

    while (writes < 1000)
        std::this_thread::yield();
    component->removalCallBack();
    removed = true;
    while (refusedAfterRemoval < 1000)
        std::this_thread::yield();
    stop = true;
    writer.join();

    EXPECT_EQ (component->getState(), ERR_REMOVED);
}

TEST_F (CoreFixture, RemovalIsRecordedOnlyInPhasesOneToSix)
{
    std::vector<int32_t> states (std::begin (phases), std::end (phases));
    states.insert (states.end(), std::begin (errorIds), std::end (errorIds));
    states.push_back (ERR_REMOVED);

    for (const auto state : states)
    {
        component->updState = state;
        component->cancelPendingUpdate();
        component->removalCallBack();

        const bool records = state >= UPD_READY && state <= UPD_BLOCK_WAIT;
        EXPECT_EQ (component->getState(), records ? ERR_REMOVED : state) << "state 0x" << std::hex << state;
        // A recorded removal asks for the recovery screen; otherwise nothing changes.
        EXPECT_EQ (component->isUpdatePending(), records) << "state 0x" << std::hex << state;
    }
}

TEST_F (CoreFixture, ArrivalChangesNoState)
{
    for (const auto state : { UPD_INIT, UPD_READY, UPD_BLOCK_DATA, ERR_REMOVED })
    {
        component->updState = state;
        component->matchingCallBack();
        EXPECT_EQ (component->getState(), state);
    }
}

struct VersionRow
{
    const char* productVersion;
    uint16_t code;
    bool pause;
    bool releasedByDestructor;
};

class OsTypeCode : public ::testing::TestWithParam<VersionRow> {};

TEST_P (OsTypeCode, FollowsTheSecondFieldAndDecidesPauseAndReleaseOwner)
{
    const auto row = GetParam();
    EXPECT_EQ (platform::osTypeFromProductVersion (row.productVersion), row.code);
    EXPECT_EQ (row.code <= MainComponent::lastOsTypeWithPause, row.pause);
    EXPECT_EQ (row.code <= MainComponent::lastOsTypeReleasedByDestructor, row.releasedByDestructor);
}

INSTANTIATE_TEST_SUITE_P (ProductVersions, OsTypeCode, ::testing::Values (
    VersionRow { "10.6.8", 0x106, true, true },
    VersionRow { "10.7", 0x107, false, true },
    VersionRow { "10.14.6", 0x10E, false, true },
    VersionRow { "10.15.7", 0x10F, false, false },
    VersionRow { "12.3", 0x103, true, true },
    VersionRow { "11", 0x100, true, true },
    VersionRow { "", 0x100, true, true }));

TEST_F (CoreFixture, TakesTheSystemsCodeAndItsPause)
{
    // Linux: a fixed code with no pause, the controller released by the destructor.
    EXPECT_EQ (platform::currentOsTypeCode(), platform::linuxOsTypeCode);
    EXPECT_EQ (component->osType, platform::linuxOsTypeCode);
    EXPECT_FALSE (component->sendPause);
    EXPECT_LE (component->osType, MainComponent::lastOsTypeReleasedByDestructor);

    for (const auto& [code, pause] : { std::pair<uint16_t, bool> { 0x106, true }, { 0x107, false },
                                       { 0x100, true }, { 0x10F, false } })
    {
        component->overrideOsType (code);
        EXPECT_EQ (component->osType, code);
        EXPECT_EQ (component->sendPause, pause) << std::hex << code;
    }
}
