// What the device link does for the program, the same on every HID backend:
// compiled once against the virtual bus and once against umockdev.

#include "LinkTestRig.h"
#include "TestSupport.h"

#include "HidCtrl.h"
#include "HidEnum.h"
#include "HidUtil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <numeric>
#include <thread>

using namespace devicetest;

namespace
{

class LinkBehaviour : public ::testing::Test
{
protected:
    void SetUp() override
    {
        rig = makeLinkTestRig();
        handler.ctrl = &ctrl;
    }

    void TearDown() override
    {
        ctrl.finalize();
        rig->settle();
        rig.reset();
    }

    // Starts the link the way the main component does, with the given
    // devices plugged in beforehand.
    bool start()
    {
        rig->settle();
        const bool found = ctrl.initialize (&handler, 1);
        rig->settle();
        return found;
    }

    std::vector<uint8_t> report (std::initializer_list<uint8_t> head, size_t length = 64)
    {
        std::vector<uint8_t> bytes (length, 0);
        std::copy (head.begin(), head.end(), bytes.begin());
        return bytes;
    }

    std::unique_ptr<LinkTestRig> rig;
    RecordingHandler handler;
    HidCtrl ctrl;
};

TEST_F (LinkBehaviour, EnumerationIsSortedByLocationWithTheUnlocatedDeviceFirst)
{
    RigDevicePlan second, first, none;
    second.ports = { 3 };
    first.ports = { 2, 1 };
    none.ports = {};
    rig->plug (second);
    rig->plug (none);
    rig->plug (first);
    rig->settle();

    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    std::vector<int64_t> locations;

    for (auto device = HIDGetFirstDevice(); device != nullptr; device = HIDGetNextDevice (device))
        locations.push_back (IOHIDDevice_GetLocationID (device));

    EXPECT_EQ (locations, (std::vector<int64_t> { 0, locationFor (first), locationFor (second) }));

    HIDReleaseDeviceList();
    HIDReleaseManager();
}

TEST_F (LinkBehaviour, PropertiesAreReadAndATextReadsZero)
{
    RigDevicePlan plan;
    plan.vendorID = 0x1234;
    plan.productID = 0x0037;
    plan.versionNumber = 0x0205;
    plan.bus = 2;
    plan.ports = { 4, 1 };
    RigDevicePlan text;
    text.vendorIsText = true;
    text.bus = 3;
    text.ports = { 5 };
    rig->plug (plan);
    rig->plug (text);
    rig->settle();

    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    const auto device = HIDGetFirstDevice();
    ASSERT_NE (device, nullptr);
    EXPECT_EQ (IOHIDDevice_GetVendorID (device), 0x1234);
    EXPECT_EQ (IOHIDDevice_GetProductID (device), 0x0037);
    EXPECT_EQ (IOHIDDevice_GetVersionNumber (device), 0x0205);
    EXPECT_EQ (IOHIDDevice_GetLocationID (device), locationFor (plan));

    const auto textDevice = HIDGetNextDevice (device);
    ASSERT_NE (textDevice, nullptr);
    EXPECT_EQ (IOHIDDevice_GetVendorID (textDevice), 0);
    EXPECT_EQ (IOHIDDevice_GetProductID (textDevice), 0x0038);

    HIDReleaseDeviceList();
    HIDReleaseManager();
}

TEST_F (LinkBehaviour, AttachesTheControllerAndIgnoresProduct0037)
{
    RigDevicePlan other;
    other.productID = 0x0037;
    other.ports = { 1 };
    RigDevicePlan controller;
    controller.ports = { 2 };
    const int otherId = rig->plug (other);
    const int controllerId = rig->plug (controller);

    EXPECT_TRUE (start());
    EXPECT_EQ (ctrl.m_connected, 1);
    EXPECT_EQ (ctrl.m_version, 102);
    EXPECT_EQ (handler.matchings, 0);   // found at start-up: no arrival

    // The link talks to the controller, not to the device before it.
    ASSERT_TRUE (ctrl.sendData (report ({ 0xF0, 0x01 }).data(), 64));
    EXPECT_FALSE (rig->nextOutput (controllerId).empty());

    rig->sendInput (otherId, report ({ 0xF1 }));
    rig->settle();
    EXPECT_EQ (handler.inputs, 0);
}

TEST_F (LinkBehaviour, OnlyProduct0037MeansNotConnected)
{
    RigDevicePlan other;
    other.productID = 0x0037;
    rig->plug (other);

    EXPECT_FALSE (start());
    EXPECT_EQ (ctrl.m_connected, 0);
    EXPECT_FALSE (ctrl.sendData (report ({ 0xF0 }).data(), 64));
}

TEST_F (LinkBehaviour, OfTwoControllersTheLowerLocationIsAttachedAndTheOtherStaysIgnored)
{
    RigDevicePlan higher, lower;
    higher.ports = { 4 };
    lower.ports = { 1, 3 };
    const int higherId = rig->plug (higher);
    const int lowerId = rig->plug (lower);

    ASSERT_TRUE (start());
    ASSERT_TRUE (ctrl.sendData (report ({ 0xF0, 0x02 }).data(), 64));
    EXPECT_FALSE (rig->nextOutput (lowerId).empty());

    rig->unplug (lowerId);
    ASSERT_TRUE (waitFor ([this] { return handler.removals == 1; }));
    rig->settle();
    EXPECT_EQ (ctrl.m_connected, 0);
    EXPECT_EQ (handler.matchings, 0);

    rig->sendInput (higherId, report ({ 0xF1 }));
    rig->settle();
    EXPECT_EQ (handler.inputs, 0);
    EXPECT_FALSE (ctrl.sendData (report ({ 0xF0 }).data(), 64));
}

TEST_F (LinkBehaviour, ArrivalAfterStartUpReachesTheHandler)
{
    EXPECT_FALSE (start());

    const int id = rig->plug (RigDevicePlan());
    ASSERT_TRUE (waitFor ([this] { return handler.matchings == 1; }));
    EXPECT_EQ (handler.connectedAtMatching, 1);
    EXPECT_EQ (ctrl.m_version, 102);
    EXPECT_EQ (ctrl.m_inputLength, 0u);

    ASSERT_TRUE (ctrl.sendData (report ({ 0xF0, 0x03 }).data(), 64));
    EXPECT_FALSE (rig->nextOutput (id).empty());
}

TEST_F (LinkBehaviour, RemovalReachesTheHandlerAlreadyDisconnectedAndReplugAttachesAgain)
{
    const int id = rig->plug (RigDevicePlan());
    ASSERT_TRUE (start());
    rig->sendInput (id, report ({ 0xF1, 0x05 }));
    ASSERT_TRUE (waitFor ([this] { return handler.inputs == 1; }));

    rig->unplug (id);
    ASSERT_TRUE (waitFor ([this] { return handler.removals == 1; }));
    EXPECT_EQ (handler.connectedAtRemoval, 0);
    EXPECT_EQ (ctrl.m_version, 0);
    EXPECT_EQ (ctrl.m_inputLength, 0u);
    EXPECT_EQ (ctrl.m_inputData[0], 0);
    EXPECT_FALSE (ctrl.sendData (report ({ 0xF0 }).data(), 64));

    rig->plug (RigDevicePlan());
    ASSERT_TRUE (waitFor ([this] { return handler.matchings == 1; }));
    EXPECT_EQ (ctrl.m_connected, 1);
}

TEST_F (LinkBehaviour, ShortReportSetsItsLength)
{
    const int id = rig->plug (RigDevicePlan());
    ASSERT_TRUE (start());

    rig->sendInput (id, report ({ 0xF0, 1, 2, 3, 4, 5, 6, 7, 8, 9 }, 10));
    ASSERT_TRUE (waitFor ([this] { return handler.inputs == 1; }));
    EXPECT_EQ (handler.lastLength, 10u);
    EXPECT_EQ (ctrl.m_inputData[9], 9);
    EXPECT_EQ (ctrl.m_inputData[10], 0);
}

TEST_F (LinkBehaviour, ReportBelowF0GoesNowhereAndTheNextF1Arrives)
{
    const int id = rig->plug (RigDevicePlan());
    ASSERT_TRUE (start());

    rig->sendInput (id, report ({ 0x80, 0x11 }));
    rig->sendInput (id, report ({ 0xF1, 0x22 }));
    ASSERT_TRUE (waitFor ([this] { return handler.inputs >= 1; }));
    rig->settle();
    EXPECT_EQ (handler.inputs, 1);
    EXPECT_EQ (handler.lastFirstByte, 0xF1);
    EXPECT_EQ (ctrl.m_inputData[1], 0x22);
}

TEST_F (LinkBehaviour, OutputReportsLeaveByteForByte)
{
    const int id = rig->plug (RigDevicePlan());
    ASSERT_TRUE (start());

    std::vector<uint8_t> all (256);
    std::iota (all.begin(), all.end(), 0);

    for (size_t offset = 0; offset < all.size(); offset += 64)
    {
        const std::vector<uint8_t> bytes (all.begin() + static_cast<long> (offset), all.begin() + static_cast<long> (offset + 64));
        ASSERT_TRUE (ctrl.sendData (bytes.data(), bytes.size()));

        auto expected = rig->wirePrefix();
        expected.insert (expected.end(), bytes.begin(), bytes.end());
        EXPECT_EQ (rig->nextOutput (id), expected) << "report at offset " << offset;
    }
}

TEST_F (LinkBehaviour, SendDataAfterFinalizeFails)
{
    rig->plug (RigDevicePlan());
    ASSERT_TRUE (start());
    ASSERT_TRUE (ctrl.sendData (report ({ 0xF0 }).data(), 64));

    ctrl.finalize();
    EXPECT_EQ (ctrl.m_connected, 0);
    EXPECT_FALSE (ctrl.sendData (report ({ 0xF0 }).data(), 64));
}

TEST_F (LinkBehaviour, NothingReachesTheHandlerAfterFinalize)
{
    const int id = rig->plug (RigDevicePlan());
    ASSERT_TRUE (start());

    rig->sendInput (id, report ({ 0xF1 }));
    ctrl.finalize();
    rig->unplug (id);
    rig->settle();
    rig->plug (RigDevicePlan());
    rig->settle();

    EXPECT_EQ (handler.inputs, 0);
    EXPECT_EQ (handler.removals, 0);
    EXPECT_EQ (handler.matchings, 0);
}

struct VersionCase
{
    int64_t bcd;
    int expected;
};

class ReleaseNumber : public LinkBehaviour, public ::testing::WithParamInterface<VersionCase> {};

TEST_P (ReleaseNumber, ReadsAsDecimal)
{
    RigDevicePlan plan;
    plan.versionNumber = GetParam().bcd;
    rig->plug (plan);
    ASSERT_TRUE (start());
    EXPECT_EQ (ctrl.m_version, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P (Bcd, ReleaseNumber,
                          ::testing::Values (VersionCase { 0x0102, 102 }, VersionCase { 0x12345, 18345 },
                                             VersionCase { 0x0000, 0 }, VersionCase { 0x0999, 999 }));

TEST_F (LinkBehaviour, AControllerThatCannotBeOpenedIsNotAttached)
{
    RigDevicePlan locked;
    locked.openFails = true;
    locked.ports = { 1 };
    RigDevicePlan open;
    open.ports = { 2 };
    rig->plug (locked);
    const int openId = rig->plug (open);

    ::testing::internal::CaptureStderr();
    const bool found = start();
    const auto diagnostics = ::testing::internal::GetCapturedStderr();

    // The next controller in line is taken instead, and the refusal is explained.
    EXPECT_TRUE (found);
    EXPECT_FALSE (diagnostics.empty());
    ASSERT_TRUE (ctrl.sendData (report ({ 0xF0 }).data(), 64));
    EXPECT_FALSE (rig->nextOutput (openId).empty());
}

TEST_F (LinkBehaviour, ARefusedSecondLinkLeavesTheActiveOneAlone)
{
    const int id = rig->plug (RigDevicePlan());
    ASSERT_TRUE (start());

    {
        RecordingHandler otherHandler;
        HidCtrl second;
        EXPECT_FALSE (second.initialize (&otherHandler, 1));
        EXPECT_EQ (second.m_pHidUtil, nullptr);
        EXPECT_EQ (second.m_pHandler, nullptr);
    }

    EXPECT_EQ (HidUtil::m_pinstance, ctrl.m_pHidUtil);
    ASSERT_TRUE (ctrl.sendData (report ({ 0xF0 }).data(), 64));
    EXPECT_FALSE (rig->nextOutput (id).empty());

    rig->sendInput (id, report ({ 0xF2 }));
    ASSERT_TRUE (waitFor ([this] { return handler.inputs == 1; }));

    rig->unplug (id);
    ASSERT_TRUE (waitFor ([this] { return handler.removals == 1; }));
    rig->plug (RigDevicePlan());
    ASSERT_TRUE (waitFor ([this] { return handler.matchings == 1; }));
}

} // namespace

namespace
{

// The update thread finalizes and deletes the link at completion while the
// controller is pulled out and plugged in again and reports keep coming: no
// notification may run into the dying link, and none may arrive after
// finalize has returned (a removal already handed to the handler excepted:
// it runs unlocked, so that it may wait for the update thread).
TEST_F (LinkBehaviour, TeardownOnAnotherThreadRacesRemovalReplugAndInput)
{
    RecordingHandler counts;   // touches no HidCtrl: the link dies under it
    const int rounds = rig->stressRounds();
    int id = rig->plug (RigDevicePlan());

    for (int round = 0; round < rounds; ++round)
    {
        rig->settle();
        auto* link = new HidCtrl();
        link->initialize (&counts, 1);

        std::atomic<bool> finalized { false }, teardownDue { false }, noMoreComings { false };
        std::atomic<int> inputsAtFinalize { 0 }, matchingsAtFinalize { 0 }, removalsAtFinalize { 0 };

        std::thread device ([&, round]
        {
            const std::vector<uint8_t> answer (64, 0xF1);

            for (int i = 0; ! finalized && i < 400; ++i)
            {
                rig->sendInput (id, answer);

                if (teardownDue)
                    noMoreComings = true;
                if (! noMoreComings && i % 50 == 25 + round % 20)
                {
                    rig->unplug (id);
                    id = rig->plug (RigDevicePlan());
                }
            }
            noMoreComings = true;
        });

        std::thread update ([&, round]
        {
            const std::vector<uint8_t> request (64, 0xF0);

            for (int i = 0; i < 20 + (round * 7) % 60; ++i)
                link->sendData (request.data(), request.size());

            if (! rig->announcesDuringTeardown())
            {
                teardownDue = true;
                while (! noMoreComings)
                    std::this_thread::sleep_for (std::chrono::milliseconds (1));
            }
            link->finalize();
            inputsAtFinalize = counts.inputs.load();
            matchingsAtFinalize = counts.matchings.load();
            removalsAtFinalize = counts.removals.load();
            delete link;
            finalized = true;
        });

        ASSERT_TRUE (waitFor ([&] { return finalized.load(); }, 30000));
        update.join();
        device.join();
        rig->settle();

        EXPECT_EQ (counts.inputs, inputsAtFinalize) << "round " << round;
        EXPECT_EQ (counts.matchings, matchingsAtFinalize) << "round " << round;
        EXPECT_LE (counts.removals, removalsAtFinalize + 1) << "round " << round;
        EXPECT_EQ (HidUtil::m_pinstance, nullptr);
    }

    // The device layer is whole afterwards: a new link attaches and talks.
    ASSERT_TRUE (start());
    ASSERT_TRUE (ctrl.sendData (report ({ 0xF0, 0x09 }).data(), 64));
    const auto commandAt = rig->wirePrefix().size() + 1;
    bool seen = false;

    while (! seen)
    {
        const auto out = rig->nextOutput (id);

        if (out.empty())
            break;

        seen = out.size() > commandAt && out[commandAt] == 0x09;
    }

    EXPECT_TRUE (seen);
}

} // namespace
