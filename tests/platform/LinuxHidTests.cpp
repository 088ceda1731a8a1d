// What only the Linux service does: port paths as locations, the several
// signs of removal, nodes udev has not set up yet, refused nodes, usages from
// the report descriptor. Runs under umockdev-wrapper.

#include "TestSupport.h"
#include "UmockdevRig.h"

#include "HidCtrl.h"
#include "HidEnum.h"
#include "LinuxHidProperties.h"

#include <gtest/gtest.h>

// Which descriptors the message loop watches: internal to the framework, but
// the one way to see that a dead node has left the loop.
#include <juce_events/native/juce_linux_EventLoopInternal.h>

using namespace devicetest;

namespace
{

class LinuxHid : public ::testing::Test
{
protected:
    void SetUp() override { handler.ctrl = &ctrl; }

    void TearDown() override
    {
        ctrl.finalize();
        HIDReleaseDeviceList();
        HIDReleaseManager();
        rig.settle();
    }

    bool start()
    {
        rig.settle();
        const bool found = ctrl.initialize (&handler, 1);
        rig.settle();
        return found;
    }

    static size_t watchedDescriptors() { return juce::LinuxEventLoopInternal::getRegisteredFds().size(); }

    UmockdevRig rig;
    RecordingHandler handler;
    HidCtrl ctrl;
};

TEST_F (LinuxHid, LocationIsTheBusThenOneNibblePerPort)
{
    RigDevicePlan plan;
    plan.bus = 1;
    plan.ports = { 2, 3 };
    rig.plug (plan);
    rig.settle();

    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    EXPECT_EQ (IOHIDDevice_GetLocationID (HIDGetFirstDevice()), 0x01230000);
}

TEST_F (LinuxHid, UsageComesFromTheReportDescriptor)
{
    rig.plug (RigDevicePlan());
    rig.settle();

    const uint32_t vendorPage[] = { 0xFF00 }, vendorUsage[] = { 1 };
    ASSERT_TRUE (HIDBuildMultiDeviceList (vendorPage, vendorUsage, 1));
    EXPECT_NE (HIDGetFirstDevice(), nullptr);

    // A keyboard-only criterion leaves the list as it was: there is no set to give.
    HIDReleaseDeviceList();
    const uint32_t keyboardPage[] = { 0x01 }, keyboardUsage[] = { 6 };
    ASSERT_TRUE (HIDBuildMultiDeviceList (keyboardPage, keyboardUsage, 1));
    EXPECT_EQ (HIDGetFirstDevice(), nullptr);
}

TEST_F (LinuxHid, AHangUpAloneIsARemovalAndTheDeadNodeLeavesTheMessageLoop)
{
    const size_t before = watchedDescriptors();
    const int id = rig.plug (RigDevicePlan());
    ASSERT_TRUE (start());
    const size_t attached = watchedDescriptors();
    EXPECT_GT (attached, before);

    rig.hangUp (id);
    ASSERT_TRUE (waitFor ([this] { return handler.removals == 1; }));
    EXPECT_EQ (handler.connectedAtRemoval, 0);
    EXPECT_EQ (watchedDescriptors(), attached - 1);

    // udev's own word afterwards changes nothing.
    rig.announceRemoval (id);
    rig.settle();
    EXPECT_EQ (handler.removals, 1);
}

TEST_F (LinuxHid, UdevRemovalAloneIsARemoval)
{
    const int id = rig.plug (RigDevicePlan());
    ASSERT_TRUE (start());
    const size_t attached = watchedDescriptors();

    rig.announceRemoval (id);
    ASSERT_TRUE (waitFor ([this] { return handler.removals == 1; }));
    EXPECT_FALSE (ctrl.sendData (std::vector<uint8_t> (64, 0xF0).data(), 64));
    EXPECT_EQ (watchedDescriptors(), attached - 1);

    rig.hangUp (id);
    rig.settle();
    EXPECT_EQ (handler.removals, 1);
}

TEST_F (LinuxHid, ANodeUdevHasNotSetUpIsAttachedOnceItHas)
{
    const int id = rig.plugPending (RigDevicePlan());
    EXPECT_FALSE (start());
    EXPECT_EQ (ctrl.m_connected, 0);

    rig.finishInitialising (id);
    ASSERT_TRUE (waitFor ([this] { return handler.matchings == 1; }));
    EXPECT_EQ (ctrl.m_connected, 1);

    ASSERT_TRUE (ctrl.sendData (std::vector<uint8_t> (64, 0xF0).data(), 64));
    EXPECT_EQ (rig.nextOutput (id).size(), 65u);
}

TEST_F (LinuxHid, ARefusedNodeIsExplainedOnceWithTheUdevRule)
{
    RigDevicePlan locked;
    locked.openFails = true;
    const int id = rig.plug (locked);

    ::testing::internal::CaptureStderr();
    const bool found = start();
    const auto diagnostics = ::testing::internal::GetCapturedStderr();

    EXPECT_FALSE (found);
    EXPECT_EQ (ctrl.m_connected, 0);
    EXPECT_NE (diagnostics.find (rig.nodeOf (id)), std::string::npos) << diagnostics;
    EXPECT_NE (diagnostics.find ("Permission denied"), std::string::npos) << diagnostics;
    EXPECT_NE (diagnostics.find ("70-krv-tm40.rules"), std::string::npos) << diagnostics;
    EXPECT_NE (diagnostics.find ("udevadm control --reload-rules && udevadm trigger"), std::string::npos) << diagnostics;
    EXPECT_EQ (std::count (diagnostics.begin(), diagnostics.end(), '\n'), 1);
}

//==============================================================================
TEST (LinuxHidProperties, PortPathsBecomeLocations)
{
    using platform::locationFromUsbPath;
    EXPECT_EQ (locationFromUsbPath (1, "2.3"), 0x01230000);
    EXPECT_EQ (locationFromUsbPath (3, "1"), 0x03100000);
    EXPECT_EQ (locationFromUsbPath (2, "1.2.3.4.5.6"), 0x02123456);
    EXPECT_EQ (locationFromUsbPath (1, "20"), 0x01F00000);   // beyond a nibble: counts as 15
    EXPECT_FALSE (locationFromUsbPath (1, "1.2.3.4.5.6.7"));
    EXPECT_FALSE (locationFromUsbPath (1, ""));
    EXPECT_FALSE (locationFromUsbPath (1, "2..3"));
    EXPECT_FALSE (locationFromUsbPath (1, "x"));
    EXPECT_FALSE (locationFromUsbPath (300, "1"));

    // Port order decides, outermost first.
    EXPECT_LT (*locationFromUsbPath (1, "2.3"), *locationFromUsbPath (1, "3"));
    EXPECT_LT (*locationFromUsbPath (1, "9"), *locationFromUsbPath (2, "1"));
}

TEST (LinuxHidProperties, HexTextsAreNumbersAndOthersAreNot)
{
    using platform::parseHexNumber;
    EXPECT_EQ (parseHexNumber ("0038\n"), 0x38);
    EXPECT_EQ (parseHexNumber ("12345"), 0x12345);
    EXPECT_FALSE (parseHexNumber ("zzzz"));
    EXPECT_FALSE (parseHexNumber (""));
    EXPECT_FALSE (parseHexNumber (nullptr));
    EXPECT_FALSE (parseHexNumber ("0x38"));
}

TEST (LinuxHidProperties, PrimaryUsageIsTheFirstBeforeTheCollection)
{
    using platform::parsePrimaryUsage;
    const auto vendor = parsePrimaryUsage ({ 0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x09, 0x02 });
    EXPECT_EQ (vendor.page, 0xFF00);
    EXPECT_EQ (vendor.usage, 1);

    const auto extended = parsePrimaryUsage ({ 0x0B, 0x06, 0x00, 0x01, 0x00, 0xA1, 0x01 });
    EXPECT_EQ (extended.page, 0x0001);
    EXPECT_EQ (extended.usage, 6);

    const auto truncated = parsePrimaryUsage ({ 0x06, 0x00 });
    EXPECT_FALSE (truncated.page);
    EXPECT_FALSE (parsePrimaryUsage ({}).usage);
}

} // namespace
