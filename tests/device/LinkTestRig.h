#pragma once

// A source of test devices for the behaviour tests that both HID backends
// share: the virtual bus, or a umockdev testbed seen through the Linux service.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace devicetest
{

constexpr int64_t makerVendorID = KRV_USB_VENDOR_ID;

struct RigDevicePlan
{
    std::optional<int64_t> vendorID = makerVendorID;
    std::optional<int64_t> productID = 0x0038;
    std::optional<int64_t> versionNumber = 0x0102;   // BCD
    int bus = 1;
    std::vector<int> ports { 1 };   // none: not on USB, so no location
    bool vendorIsText = false;      // "VendorID" holds a text, not a number
    bool openFails = false;         // the node cannot be opened
};

// The location the Linux service gives a USB port path: bus number in the
// top byte, then one nibble per port.
int64_t locationFor (const RigDevicePlan& plan);

class LinkTestRig
{
public:
    virtual ~LinkTestRig() = default;

    // Plug and unplug take effect for enumeration at once; their
    // notifications arrive on the message thread.
    virtual int plug (const RigDevicePlan& plan) = 0;
    virtual void unplug (int id) = 0;

    // Sends an input report from the device.
    virtual void sendInput (int id, const std::vector<uint8_t>& report) = 0;

    // The next output report the device received, as it came over the wire;
    // empty after a generous time-out.
    virtual std::vector<uint8_t> nextOutput (int id) = 0;

    // What precedes the report bytes on the wire (the report-ID byte on hidraw).
    virtual std::vector<uint8_t> wirePrefix() const = 0;

    // Runs the message loop until all notifications the rig caused so far
    // have been delivered.
    virtual void settle() = 0;

    // How many start/teardown rounds the stress test runs on this backend.
    virtual int stressRounds() const = 0;

    // Whether devices may come and go while a link tears down its udev
    // monitor. The reports and their delivery race the teardown either way.
    virtual bool announcesDuringTeardown() const { return true; }
};

// Defined once per backend.
std::unique_ptr<LinkTestRig> makeLinkTestRig();

} // namespace devicetest
