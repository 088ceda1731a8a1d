#include "LinuxHidProperties.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace platform
{

std::optional<int64_t> LinuxHidProperties::get (const std::string& key) const
{
    if (key == "VendorID")         return vendorID;
    if (key == "ProductID")        return productID;
    if (key == "VersionNumber")    return versionNumber;
    if (key == "LocationID")       return locationID;
    if (key == "PrimaryUsagePage") return primaryUsagePage;
    if (key == "PrimaryUsage")     return primaryUsage;
    return std::nullopt;
}

std::optional<int64_t> parseHexNumber (const char* text)
{
    if (text == nullptr)
        return std::nullopt;

    std::string trimmed (text);

    while (! trimmed.empty() && std::isspace (static_cast<unsigned char> (trimmed.back())))
        trimmed.pop_back();

    if (trimmed.empty() || trimmed.size() > 8)
        return std::nullopt;

    for (const char c : trimmed)
        if (! std::isxdigit (static_cast<unsigned char> (c)))
            return std::nullopt;

    return static_cast<int64_t> (std::strtoll (trimmed.c_str(), nullptr, 16));
}

std::optional<int64_t> locationFromUsbPath (int bus, const std::string& ports)
{
    if (bus < 0 || bus > 0xFF || ports.empty())
        return std::nullopt;

    int64_t location = static_cast<int64_t> (bus) << 24;
    int shift = 20;
    std::istringstream path (ports);
    std::string port;

    while (std::getline (path, port, '.'))
    {
        if (port.empty() || port.size() > 3 || shift < 0)
            return std::nullopt;

        for (const char c : port)
            if (! std::isdigit (static_cast<unsigned char> (c)))
                return std::nullopt;

        location |= static_cast<int64_t> (std::min (std::atoi (port.c_str()), 15)) << shift;
        shift -= 4;
    }

    return location;
}

PrimaryUsage parsePrimaryUsage (const std::vector<uint8_t>& descriptor)
{
    PrimaryUsage result;
    size_t i = 0;

    while (i < descriptor.size())
    {
        const uint8_t prefix = descriptor[i];

        if (prefix == 0xFE)   // long item: skip it whole
        {
            if (i + 1 >= descriptor.size())
                break;

            i += 3 + descriptor[i + 1];
            continue;
        }

        const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);

        if (i + 1 + size > descriptor.size())
            break;

        uint32_t value = 0;

        for (size_t b = 0; b < size; ++b)
            value |= static_cast<uint32_t> (descriptor[i + 1 + b]) << (8 * b);

        const int type = (prefix >> 2) & 3;
        const int tag = prefix >> 4;

        if (type == 0 && tag == 0xA)   // Collection: the primary usage is known by now
            break;

        if (type == 1 && tag == 0 && ! result.page)
            result.page = value;

        if (type == 2 && tag == 0 && ! result.usage)
        {
            // A four-byte usage carries its own page in the upper half.
            if (size == 4)
            {
                result.page = value >> 16;
                result.usage = value & 0xFFFF;
            }
            else
            {
                result.usage = value;
            }
        }

        i += 1 + size;
    }

    return result;
}

namespace
{

std::optional<int64_t> hexAttribute (udev_device* device, const char* name)
{
    return parseHexNumber (udev_device_get_sysattr_value (device, name));
}

// "0003:0000F055:00000038": bus, vendor, product of a HID device.
void readHidId (udev_device* hid, LinuxHidProperties& properties)
{
    const char* id = udev_device_get_property_value (hid, "HID_ID");

    if (id == nullptr)
        return;

    const std::string text (id);
    const auto first = text.find (':');
    const auto second = first == std::string::npos ? first : text.find (':', first + 1);

    if (second == std::string::npos)
        return;

    properties.vendorID = parseHexNumber (text.substr (first + 1, second - first - 1).c_str());
    properties.productID = parseHexNumber (text.substr (second + 1).c_str());
}

std::optional<int64_t> usbLocation (udev_device* usb)
{
    const char* busText = udev_device_get_sysattr_value (usb, "busnum");
    const char* ports = udev_device_get_sysattr_value (usb, "devpath");

    if (busText != nullptr && ports != nullptr)
        return locationFromUsbPath (std::atoi (busText), std::string (ports).substr (0, std::string (ports).find_first_of (" \n")));

    // The kernel names a USB device after its path: "1-2.3".
    const std::string name (udev_device_get_sysname (usb) != nullptr ? udev_device_get_sysname (usb) : "");
    const auto dash = name.find ('-');

    if (dash == std::string::npos || dash == 0)
        return std::nullopt;

    for (size_t i = 0; i < dash; ++i)
        if (! std::isdigit (static_cast<unsigned char> (name[i])))
            return std::nullopt;

    return locationFromUsbPath (std::atoi (name.substr (0, dash).c_str()), name.substr (dash + 1));
}

std::vector<uint8_t> readReportDescriptor (udev_device* hid)
{
    const char* path = udev_device_get_syspath (hid);

    if (path == nullptr)
        return {};

    std::ifstream file (std::string (path) + "/report_descriptor", std::ios::binary);
    return std::vector<uint8_t> (std::istreambuf_iterator<char> (file), std::istreambuf_iterator<char>());
}

} // namespace

LinuxHidProperties readLinuxHidProperties (udev_device* hidraw)
{
    LinuxHidProperties properties;
    auto* hid = udev_device_get_parent_with_subsystem_devtype (hidraw, "hid", nullptr);
    auto* usb = udev_device_get_parent_with_subsystem_devtype (hidraw, "usb", "usb_device");

    if (usb != nullptr)
    {
        properties.vendorID = hexAttribute (usb, "idVendor");
        properties.productID = hexAttribute (usb, "idProduct");
        properties.versionNumber = hexAttribute (usb, "bcdDevice");
        properties.locationID = usbLocation (usb);
    }
    else if (hid != nullptr)
    {
        readHidId (hid, properties);   // not on USB (Bluetooth, uhid): no release number, no location
    }

    if (hid != nullptr)
    {
        const auto usage = parsePrimaryUsage (readReportDescriptor (hid));
        properties.primaryUsagePage = usage.page;
        properties.primaryUsage = usage.usage;
    }

    return properties;
}

} // namespace platform
