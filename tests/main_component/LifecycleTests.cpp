// The main component's life with a running update thread: the removal of the
// controller and the quit while an exchange waits, who releases the device
// controller, and the pause after each exchange.
#include "EngineHarness.h"

#include <algorithm>

using namespace enginetest;

namespace
{
// The exchange waits up to 10 s for an answer; a stop that ends sooner than
// this was not a time-out. Generous against the 5.1 s the stop may take.
constexpr double wellBeforeTheResponseTimeoutMs = 9000.0;

double nowMs()
{
    return juce::Time::getMillisecondCounterHiRes();
}

class Lifecycle : public EngineHarness
{
protected:
    // Runs the checks and presses Start; the controller then stays silent
    // on the given request so that the exchange waits.
    void transferUntilSilentOn (int command, int occurrence, uint16_t osType = 0x10E)
    {
        controllerConfig.faults.silentOn = { command, occurrence };
        writeValidFile();
        createComponent (osType);
        startChecks();
        ASSERT_TRUE (waitForState (UPD_READY)) << std::hex << component->getState();
        pressStart();
        waitForSilentRequest (command, occurrence);
    }

    void waitForSilentRequest (int command, int occurrence)
    {
        ASSERT_TRUE (pumpUntil ([&] { return controller->commandCount ((uint8_t) command) >= occurrence; }));
        requestsAtStop = controller->requestCount();
        ASSERT_TRUE (component->isThreadRunning());
    }

    // Nothing goes out after the thread was stopped.
    void expectNoFurtherRequests()
    {
        pumpFor (300);
        EXPECT_EQ (controller->requestCount(), requestsAtStop);
    }

    int requestsAtStop = 0;
};
} // namespace

TEST_F (Lifecycle, RemovalDuringTheTransferEndsTheWaitingExchangeAndStopsTheThread)
{
    transferUntilSilentOn (CMD_DATA, 40);

    const auto start = nowMs();
    controller->unplug();
    ASSERT_TRUE (waitForThreadEnd (20000));
    EXPECT_LT (nowMs() - start, wellBeforeTheResponseTimeoutMs);
    EXPECT_EQ (component->getState(), ERR_REMOVED);
    expectNoFurtherRequests();
}

TEST_F (Lifecycle, RemovalDuringTheChecksIsNotRecordedAndTheWaitTimesOut)
{
    controllerConfig.faults.silentOn = { CMD_GET_VERSION, 1 };
    writeValidFile();
    createComponent();
    startChecks();
    waitForSilentRequest (CMD_GET_VERSION, 1);

    controller->unplug();
    pumpFor (300);
    EXPECT_EQ (component->getState(), UPD_INIT);
    ASSERT_TRUE (waitForThreadEnd (20000));
    EXPECT_EQ (component->getState(), ERR_NO_RESPONSE);
}

class QuitWhileRunning : public Lifecycle, public ::testing::WithParamInterface<uint16_t> {};

// The system's quit command destroys the component while the thread waits
// for an answer: the destructor ends the wait, stops the thread and releases
// the device controller, whatever the system code.
TEST_P (QuitWhileRunning, DestructorStopsTheThreadBeforeTheMembersGo)
{
    transferUntilSilentOn (CMD_DATA, 40, GetParam());

    const auto start = nowMs();
    component.reset();
    EXPECT_LT (nowMs() - start, wellBeforeTheResponseTimeoutMs);
    expectNoFurtherRequests();

    // A controller that comes and goes now reaches nothing that is gone.
    controller->unplug();
    controller->plug();
    pumpFor (200);
}

INSTANTIATE_TEST_SUITE_P (SystemCodes, QuitWhileRunning, ::testing::Values<uint16_t> (0x10E, 0x10F),
                          [] (const auto& info) { return "code_" + juce::String::toHexString (info.param).toStdString(); });

TEST_F (Lifecycle, QuitWhileTheThreadIdlesOnTheReadyScreen)
{
    writeValidFile();
    createComponent();
    startChecks();
    ASSERT_TRUE (waitForState (UPD_READY));
    requestsAtStop = controller->requestCount();

    component.reset();
    expectNoFurtherRequests();
}

struct ReleaseRow
{
    uint16_t osType;
    bool controllerKeptUntilDestruction;
};

class ReleaseOwner : public EngineHarness, public ::testing::WithParamInterface<ReleaseRow> {};

TEST_P (ReleaseOwner, FollowsTheSystemCode)
{
    writeValidFile();
    runWholeUpdate (GetParam().osType);
    ASSERT_EQ (component->getState(), UPD_COMPLETE);
    ASSERT_TRUE (pumpUntil ([this] { return component->updFinished.load() == 1; }, 5000));
    pumpFor (200);
    EXPECT_EQ (component->hidCtrl != nullptr, GetParam().controllerKeptUntilDestruction);

    component.reset();
    controller->unplug();
    pumpFor (100);
}

INSTANTIATE_TEST_SUITE_P (SystemCodes, ReleaseOwner, ::testing::Values (ReleaseRow { 0x10E, true }, ReleaseRow { 0x10F, false }),
                          [] (const auto& info) { return "code_" + juce::String::toHexString (info.param.osType).toStdString(); });

// Up to 0x106 every exchange is followed by a 6 ms pause: no request follows
// an answer sooner than that.
TEST_F (Lifecycle, PauseFollowsEveryExchangeUpToCode106)
{
    controllerConfig.measureTurnaround = true;
    transferUntilSilentOn (CMD_DATA, 30, 0x106);
    EXPECT_TRUE (component->sendPause);

    const auto turnarounds = controller->turnaroundsMicroseconds();
    ASSERT_GE (turnarounds.size(), 30u);
    EXPECT_GE (*std::min_element (turnarounds.begin(), turnarounds.end()), 6000.0f);
    component.reset();
}
