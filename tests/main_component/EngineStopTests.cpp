// Ending an update from outside: quit during the transfer, removal after
// completion, OK without a controller, and the controller's release when the
// component goes away.
#include "EngineHarness.h"
#include "RequestTrace.h"

using namespace enginetest;

namespace
{
class EngineStop : public EngineHarness
{
public:
    void runToTransfer()
    {
        writeValidFile();
        createComponent (osTypeUnderTest);
        startChecks();
        ASSERT_TRUE (waitForState (UPD_READY));
        pressStart();
    }

    uint16_t osTypeUnderTest = 0x10E;
};
}

TEST_F (EngineStop, QuitDuringDataPacketsSendsNothingMore)
{
    // Slow enough that the first block is still being sent when the test
    // looks, however late it gets to look.
    controllerConfig.latencyMicroseconds = 2000;
    runToTransfer();
    ASSERT_TRUE (pumpUntil ([this] { return controller->dataPackets() >= 50; }));
    ASSERT_EQ (component->getState(), UPD_BLOCK_DATA);

    // The quit sequence.
    component->inPacket.clear();
    component->responseEvent.signal();
    EXPECT_TRUE (component->stopThread (5000)) << "ended by itself within the limit";

    const auto sent = controller->requestCount();
    pumpFor (300);
    EXPECT_EQ (controller->requestCount(), sent);
    const RequestTrace t (controller->requests());
    EXPECT_EQ (t.count (CMD_BLOCK_SUM), 0);
    EXPECT_EQ (t.count (CMD_FINISH), 0);
    EXPECT_LT (t.count (CMD_DATA), 2114);
}

TEST_F (EngineStop, CancelButtonDuringTheTransferEndsTheThread)
{
    controllerConfig.latencyMicroseconds = 300;
    runToTransfer();
    ASSERT_TRUE (pumpUntil ([this] { return controller->dataPackets() >= 20; }));
    component->buttonClicked (component->cancelButton.get());
    EXPECT_FALSE (component->isThreadRunning());
    const auto sent = controller->requestCount();
    pumpFor (200);
    EXPECT_EQ (controller->requestCount(), sent);
}

TEST_F (EngineStop, RemovalAfterCompletionChangesNothing)
{
    controllerConfig.dateWord = fileDate;
    runToTransfer();
    ASSERT_TRUE (waitForThreadEnd());
    ASSERT_EQ (component->getState(), UPD_COMPLETE);
    controller->unplug();
    ASSERT_TRUE (pumpUntil ([this] { return component->hidCtrl->m_connected == 0; }, 5000));
    EXPECT_EQ (component->getState(), UPD_COMPLETE);
    EXPECT_EQ (component->updFinished.load(), 1);
}

TEST_F (EngineStop, OkWithoutControllerRecordsNotConnected)
{
    writeValidFile();
    createComponent (0x10E, false);
    component->buttonClicked (component->okButton.get());
    EXPECT_EQ (component->getState(), ERR_NOT_CONNECTED);
    EXPECT_FALSE (component->isThreadRunning());
}

TEST_F (EngineStop, ControllerReleasedBeforeDestructionWhenTheUpdateFailed)
{
    // From 0x10F the thread releases the controller only on completion; after
    // an error it is still held and must go with the component.
    osTypeUnderTest = 0x10F;
    controllerConfig.faults.overrides.push_back ({ { CMD_BLOCK_SUM, 1 }, RSP_REFUSED, 2 });
    runToTransfer();
    ASSERT_TRUE (waitForThreadEnd());
    ASSERT_EQ (component->getState(), ERR_REFUSED_2);
    ASSERT_NE (component->hidCtrl, nullptr);

    component.reset();

    // A report and a removal after the component is gone reach nobody (a
    // notification into the destroyed component shows under AddressSanitizer).
    controller->sendUnsolicited ({ TGT_IMAGE0, RSP_OK });
    pumpFor (100);
    controller->unplug();
    pumpFor (100);
    EXPECT_FALSE (controller->isPlugged());
}

TEST_F (EngineStop, DestroyingTheComponentMidTransferStopsTheThread)
{
    controllerConfig.latencyMicroseconds = 300;
    osTypeUnderTest = 0x10F;
    runToTransfer();
    ASSERT_TRUE (pumpUntil ([this] { return controller->dataPackets() >= 20; }));
    component.reset();
    const auto sent = controller->requestCount();
    pumpFor (200);
    EXPECT_EQ (controller->requestCount(), sent);
}

TEST_F (EngineStop, BusyForMoreThanAMinuteCountsAsNoResponse)
{
    // The real bound (slow: about a minute of polls every 100 ms).
    controllerConfig.faults.alwaysBusy = true;
    runToTransfer();
    ASSERT_EQ (component->busyPollLimitMs, 60000);
    ASSERT_TRUE (waitForThreadEnd (90000));
    EXPECT_EQ (component->getState(), ERR_NO_RESPONSE);
    const RequestTrace t (controller->requests());
    EXPECT_GE (t.count (CMD_BLOCK_STATUS), 300) << "polled throughout, without a limit on the count";
    EXPECT_EQ (t.count (CMD_BLOCK_HEAD), 1);
}
