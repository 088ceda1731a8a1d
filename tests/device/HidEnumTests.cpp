// The enumeration functions over the virtual HID bus.

#include "TestSupport.h"

#include "HidEnum.h"
#include "VirtualHidService.h"

#include <gtest/gtest.h>

using namespace devicetest;

namespace
{

class HidEnum : public ::testing::Test
{
protected:
    void SetUp() override { bus().reset(); }

    void TearDown() override
    {
        HIDReleaseDeviceList();
        HIDReleaseManager();
        bus().reset();
        drainMessages();
    }

    static platform::VirtualHidBus& bus() { return platform::VirtualHidBus::instance(); }

    static platform::VirtualHidDeviceHandle plugAt (std::optional<int64_t> location, uint32_t page = 0xFF00, uint32_t usage = 1)
    {
        platform::VirtualHidDeviceInfo info;
        info.vendorID = 0x1111;
        info.productID = 0x0038;
        info.locationID = location;
        info.primaryUsagePage = page;
        info.primaryUsage = usage;
        return bus().plug (info);
    }

    static std::vector<int64_t> walkLocations()
    {
        std::vector<int64_t> locations;

        for (auto device = HIDGetFirstDevice(); device != nullptr; device = HIDGetNextDevice (device))
            locations.push_back (IOHIDDevice_GetLocationID (device));

        return locations;
    }
};

TEST_F (HidEnum, WalkReturnsDevicesByLocationThenNull)
{
    plugAt (2);
    plugAt (1);
    plugAt (std::nullopt);

    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    ASSERT_NE (gDeviceCFArrayRef, nullptr);
    EXPECT_EQ (walkLocations(), (std::vector<int64_t> { 0, 1, 2 }));

    // After the last device every further call gives null until the walk restarts.
    EXPECT_EQ (gDeviceIndex, 3);
    EXPECT_EQ (HIDGetNextDevice ((*gDeviceCFArrayRef)[0]), nullptr);
    EXPECT_EQ (HIDGetFirstDevice(), (*gDeviceCFArrayRef)[0]);
}

TEST_F (HidEnum, NextOfAnUnlistedDeviceStopsTheWalkUntilRestarted)
{
    plugAt (1);
    plugAt (2);
    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    const auto first = HIDGetFirstDevice();

    platform::VirtualHidDeviceInfo strayInfo;
    HIDDeviceList strayList;
    {
        // A device handle that is not in the list.
        auto stray = bus().plug (strayInfo);
        auto manager = platform::createHidManager();
        strayList = manager->copyDevices().value_or (HIDDeviceList {});
        bus().unplug (stray);
    }
    platform::HidDeviceRef unlisted;

    for (auto& d : strayList)
        if (! d->getNumberProperty ("LocationID"))
            unlisted = d;

    ASSERT_NE (unlisted, nullptr);
    EXPECT_EQ (HIDGetNextDevice (unlisted), nullptr);
    EXPECT_EQ (gDeviceIndex, -1);
    EXPECT_EQ (HIDGetNextDevice (first), nullptr);

    EXPECT_EQ (HIDGetFirstDevice(), first);
    EXPECT_NE (HIDGetNextDevice (first), nullptr);
}

TEST_F (HidEnum, NextOfNullDoesNotMoveTheCursor)
{
    plugAt (1);
    plugAt (2);
    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    const auto first = HIDGetFirstDevice();

    EXPECT_EQ (HIDGetNextDevice (nullptr), nullptr);
    EXPECT_EQ (gDeviceIndex, 0);
    EXPECT_EQ (IOHIDDevice_GetLocationID (HIDGetNextDevice (first)), 2);
}

TEST_F (HidEnum, NextSearchesTheListWhenTheCursorDoesNotPointAtTheDevice)
{
    plugAt (1);
    plugAt (2);
    plugAt (3);
    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    HIDGetFirstDevice();

    const auto second = (*gDeviceCFArrayRef)[1];
    EXPECT_EQ (IOHIDDevice_GetLocationID (HIDGetNextDevice (second)), 3);
    EXPECT_EQ (gDeviceIndex, 2);
}

TEST_F (HidEnum, ASecondBuildReplacesTheCriteriaWithoutOpeningAgain)
{
    plugAt (1, 0xFF00, 1);
    plugAt (2, 0x0001, 6);

    const uint32_t pages[] = { 0x0001 };
    const uint32_t usages[] = { 0 };
    ASSERT_TRUE (HIDBuildMultiDeviceList (pages, usages, 1));
    EXPECT_EQ (walkLocations(), (std::vector<int64_t> { 2 }));
    const auto* manager = gIOHIDManagerRef;

    bus().setManagerOpenFails (true);   // a second open would now fail
    ASSERT_TRUE (HIDBuildDeviceList (0xFF00, 1));
    EXPECT_EQ (gIOHIDManagerRef, manager);
    EXPECT_EQ (bus().managerOpenCount(), 1);
    EXPECT_EQ (walkLocations(), (std::vector<int64_t> { 1 }));

    ASSERT_TRUE (HIDBuildMultiDeviceList (nullptr, nullptr, 0));
    EXPECT_EQ (walkLocations(), (std::vector<int64_t> { 1, 2 }));
}

TEST_F (HidEnum, NoDeviceSetKeepsThePreviousList)
{
    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    EXPECT_EQ (gDeviceCFArrayRef, nullptr);
    EXPECT_EQ (HIDGetFirstDevice(), nullptr);

    plugAt (7);
    HIDRebuildDevices();
    ASSERT_NE (gDeviceCFArrayRef, nullptr);

    const uint32_t page = 0x0C;   // matches nothing plugged
    const uint32_t usage = 0;
    ASSERT_TRUE (HIDBuildMultiDeviceList (&page, &usage, 1));
    EXPECT_EQ (walkLocations(), (std::vector<int64_t> { 7 }));
}

TEST_F (HidEnum, MatchingDictionaryHoldsOnlyWhatIsNotZero)
{
    const auto pageOnly = hu_SetUpMatchingDictionary (0xFF00, 0);
    ASSERT_NE (pageOnly, nullptr);
    EXPECT_EQ (pageOnly->primaryUsagePage, 0xFF00u);
    EXPECT_FALSE (pageOnly->primaryUsage.has_value());

    const auto both = hu_SetUpMatchingDictionary (0xFF00, 1);
    EXPECT_EQ (both->primaryUsagePage, 0xFF00u);
    EXPECT_EQ (both->primaryUsage, 1u);

    const auto empty = hu_SetUpMatchingDictionary (0, 0);
    EXPECT_FALSE (empty->primaryUsagePage.has_value());
    EXPECT_FALSE (empty->primaryUsage.has_value());
}

TEST_F (HidEnum, ReadersGiveZeroForNullAndMissingAndKeepTheTopBitPositive)
{
    EXPECT_EQ (IOHIDDevice_GetVendorID (nullptr), 0);

    platform::VirtualHidDeviceInfo info;
    info.vendorID = 0x1111;
    info.locationID = 0x80000000LL;
    info.versionNumber = -1;
    info.textProperties = { "ProductID" };
    info.productID = 0x38;
    bus().plug (info);
    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    const auto device = HIDGetFirstDevice();

    EXPECT_EQ (IOHIDDevice_GetVendorID (device), 0x1111);
    EXPECT_EQ (IOHIDDevice_GetProductID (device), 0);
    EXPECT_EQ (IOHIDDevice_GetLocationID (device), 0x80000000LL);
    EXPECT_EQ (IOHIDDevice_GetVersionNumber (device), 0xFFFFFFFFLL);
}

TEST_F (HidEnum, ManagerFailuresAreReportedExactly)
{
    const std::string signature = "Boolean HIDBuildMultiDeviceList(const UInt32 *, const UInt32 *, int)";

    bus().setServiceAvailable (false);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE (HIDBuildDeviceList (0, 0));
    EXPECT_EQ (::testing::internal::GetCapturedStderr(), signature + ": Couldn\u2019t create a IOHIDManager.");
    EXPECT_EQ (gIOHIDManagerRef, nullptr);

    bus().setServiceAvailable (true);
    bus().setManagerOpenFails (true);
    plugAt (1);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE (HIDBuildDeviceList (0, 0));
    EXPECT_EQ (::testing::internal::GetCapturedStderr(), signature + ": Couldn\u2019t open IOHIDManager.");
    EXPECT_NE (gIOHIDManagerRef, nullptr);   // kept: the next build does not open again
    EXPECT_EQ (gDeviceCFArrayRef, nullptr);

    EXPECT_TRUE (HIDBuildDeviceList (0, 0));
    EXPECT_EQ (walkLocations(), (std::vector<int64_t> { 1 }));
}

} // namespace
