// HidUtil's own edges on the virtual bus: diagnostics, report capping and
// notifications that arrive for a link that is no longer there.

#include "TestSupport.h"

#include "HidEnum.h"
#include "HidUtil.h"
#include "VirtualHidService.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace devicetest;

namespace
{

class HidUtilEdges : public ::testing::Test
{
protected:
    void SetUp() override { bus().reset(); }

    void TearDown() override
    {
        util.reset();
        bus().reset();
        drainMessages();
    }

    static platform::VirtualHidBus& bus() { return platform::VirtualHidBus::instance(); }

    platform::VirtualHidDeviceHandle plugController()
    {
        platform::VirtualHidDeviceInfo info;
        info.vendorID = KRV_USB_VENDOR_ID;
        info.productID = 0x0038;
        info.versionNumber = 0x0102;
        info.locationID = 0x01100000;
        return bus().plug (info);
    }

    void startAttached()
    {
        util = std::make_unique<HidUtil>();
        ASSERT_TRUE (util->initialize (&handler, 1));
        ASSERT_TRUE (util->deviceMatching());
    }

    RecordingHandler handler;
    std::unique_ptr<HidUtil> util;
};

TEST_F (HidUtilEdges, DeviceInputExplainsWhyItGivesNothing)
{
    util = std::make_unique<HidUtil>();
    ASSERT_TRUE (util->initialize (&handler, 1));
    uint8_t buffer[64];

    ::testing::internal::CaptureStderr();
    EXPECT_EQ (util->deviceInput (nullptr, 64, 0), 0u);
    EXPECT_EQ (util->deviceInput (buffer, 0, 0), 0u);
    EXPECT_EQ (util->deviceInput (buffer, 64, 0), 0u);
    const auto text = ::testing::internal::GetCapturedStderr();

    char expected[256];
    std::snprintf (expected, sizeof (expected),
                   "deviceInput failed. pdata:%p length:%ld\r\n"
                   "deviceInput failed. pdata:%p length:%ld\r\n"
                   "deviceInput failed. m_pDevice:%p\r\n",
                   static_cast<void*> (nullptr), 64L, static_cast<void*> (buffer), 0L, static_cast<void*> (nullptr));
    EXPECT_EQ (text, expected);
}

TEST_F (HidUtilEdges, LongReportIsCappedAndShortCopiesStopAtTheCapacity)
{
    auto device = plugController();
    drainMessages();
    startAttached();

    std::vector<uint8_t> longReport (100, 0xF3);
    device->sendInputReport (longReport.data(), longReport.size());
    ASSERT_TRUE (waitFor ([this] { return handler.inputs == 1; }));
    EXPECT_EQ (util->m_reportLength, 64);

    uint8_t small[8] = {};
    EXPECT_EQ (util->deviceInput (small, sizeof (small), 0), 8u);
    EXPECT_EQ (small[7], 0xF3);
    // Reading does not consume the report.
    EXPECT_EQ (util->deviceInput (small, sizeof (small), 0), 8u);
}

TEST_F (HidUtilEdges, ReportBelowF0StillRecordsItsLength)
{
    auto device = plugController();
    drainMessages();
    startAttached();

    const uint8_t bytes[5] = { 0x7F, 1, 2, 3, 4 };
    device->sendInputReport (bytes, sizeof (bytes));
    ASSERT_TRUE (waitFor ([this] { return util->m_reportLength == 5; }));
    EXPECT_EQ (handler.inputs, 0);
}

TEST_F (HidUtilEdges, StaleNotificationsForAFinalizedLinkAreIgnored)
{
    auto device = plugController();
    drainMessages();
    startAttached();
    auto* stale = util.get();
    const auto attached = util->m_pDevice;
    util->finalize();

    HidUtil::Handle_IOHIDDeviceRemovalCallback (stale, 0, attached.get());
    HidUtil::Handle_DeviceMatchingCallback (stale, 0, nullptr, attached);
    uint8_t buffer[64] = { 0xF1 };
    HidUtil::Handle_IOHIDDeviceIOHIDReportCallback (nullptr, 0, attached.get(), platform::HidReportType::input, 0, buffer, 64);

    EXPECT_EQ (handler.removals, 0);
    EXPECT_EQ (handler.matchings, 0);
    EXPECT_EQ (handler.inputs, 0);
}

TEST_F (HidUtilEdges, RemovalFromAnotherDeviceIsIgnored)
{
    auto device = plugController();
    drainMessages();
    startAttached();
    int other = 0;

    HidUtil::Handle_IOHIDDeviceRemovalCallback (util.get(), 0, &other);
    HidUtil::Handle_IOHIDDeviceRemovalCallback (util.get(), 0, nullptr);
    EXPECT_EQ (handler.removals, 0);
    EXPECT_NE (util->m_pDevice, nullptr);
}

TEST_F (HidUtilEdges, DeletingTheLinkReleasesTheManagerAndAFreshStartBuildsANewOne)
{
    plugController();
    drainMessages();
    startAttached();
    EXPECT_NE (gIOHIDManagerRef, nullptr);

    util.reset();
    EXPECT_EQ (gIOHIDManagerRef, nullptr);
    EXPECT_EQ (gDeviceCFArrayRef, nullptr);
    EXPECT_EQ (HidUtil::m_pinstance, nullptr);

    startAttached();
    EXPECT_EQ (bus().managerOpenCount(), 2);
}

} // namespace
