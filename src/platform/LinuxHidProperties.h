#pragma once

// The number properties of a hidraw device, read once from udev: vendor and
// product ID and release number from the USB device, the location from its
// port path, the primary usage from the HID report descriptor.

#include <libudev.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform
{

struct LinuxHidProperties
{
    std::optional<int64_t> vendorID;
    std::optional<int64_t> productID;
    std::optional<int64_t> versionNumber;   // bcdDevice, BCD
    std::optional<int64_t> locationID;
    std::optional<int64_t> primaryUsagePage;
    std::optional<int64_t> primaryUsage;

    std::optional<int64_t> get (const std::string& key) const;
};

LinuxHidProperties readLinuxHidProperties (udev_device* hidraw);

// A hexadecimal sysfs text ("0038", "0102\n"); nullopt when it is not one.
std::optional<int64_t> parseHexNumber (const char* text);

// The location ID of a USB port path, ordered like the platform's own:
// the bus number in the top byte, then one nibble per port, outermost first
// (bus 1, ports 2.3 -> 0x01230000). Ports above 15 count as 15; at most six
// ports fit. nullopt when the path is not one.
std::optional<int64_t> locationFromUsbPath (int bus, const std::string& ports);

// The first usage page and usage that a HID report descriptor declares
// before its first collection.
struct PrimaryUsage
{
    std::optional<int64_t> page;
    std::optional<int64_t> usage;
};
PrimaryUsage parsePrimaryUsage (const std::vector<uint8_t>& descriptor);

} // namespace platform
