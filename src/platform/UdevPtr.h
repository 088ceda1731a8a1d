#pragma once

// Owning handles for libudev objects.

#include <libudev.h>

#include <memory>

namespace platform
{

struct UdevUnref
{
    void operator() (udev* p) const { udev_unref (p); }
    void operator() (udev_device* p) const { udev_device_unref (p); }
    void operator() (udev_monitor* p) const { udev_monitor_unref (p); }
    void operator() (udev_enumerate* p) const { udev_enumerate_unref (p); }
};

using UdevPtr = std::unique_ptr<udev, UdevUnref>;
using UdevDevicePtr = std::unique_ptr<udev_device, UdevUnref>;
using UdevMonitorPtr = std::unique_ptr<udev_monitor, UdevUnref>;
using UdevEnumeratePtr = std::unique_ptr<udev_enumerate, UdevUnref>;

} // namespace platform
