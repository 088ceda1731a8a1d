#pragma once

// The in-process virtual HID source: a HID manager service whose devices are
// plugged in and pulled out by tests, the emulated controller and the demo.
// Notifications reach the program exactly as with the real service: on the
// JUCE message thread, only while the manager or device is scheduled.

#include "HidService.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform
{

struct VirtualHidDeviceInfo
{
    std::optional<int64_t> vendorID;
    std::optional<int64_t> productID;
    std::optional<int64_t> versionNumber;   // BCD release number
    std::optional<int64_t> locationID;
    uint32_t primaryUsagePage = 0xFF00;
    uint32_t primaryUsage = 0x01;

    // Keys of number properties that hold a text instead (they read as missing).
    std::vector<std::string> textProperties;
    // The device refuses to be opened, like a node without access rights.
    bool openFails = false;
};

// The test side of one plugged virtual device. Thread-safe.
class VirtualHidDevice
{
public:
    virtual ~VirtualHidDevice() = default;

    // Called synchronously, on the thread that sent the report, for every output
    // report the program writes (the bytes exactly as given to setOutputReport).
    // The result is what setOutputReport returns to the program.
    using OutputHandler = std::function<bool (const uint8_t* bytes, size_t length)>;
    virtual void setOutputHandler (OutputHandler handler) = 0;

    // Queues an input report; it is written into the program's report buffer
    // (at most its size) and delivered on the message thread. Callable from any
    // thread. Reports sent while nobody is registered are dropped.
    virtual void sendInputReport (const uint8_t* bytes, size_t length) = 0;

    // Every output report the program wrote, in order, while recording is on
    // (on by default).
    virtual void setRecording (bool shouldRecord) = 0;
    virtual std::vector<std::vector<uint8_t>> outputReports() const = 0;
    virtual void clearOutputReports() = 0;

    virtual bool isPlugged() const = 0;
};

using VirtualHidDeviceHandle = std::shared_ptr<VirtualHidDevice>;

// The virtual bus every virtual HID manager of the process sees.
class VirtualHidBus
{
public:
    static VirtualHidBus& instance();

    // Plugs a device in: managers that are scheduled get the arrival
    // notification on the message thread. Callable from any thread.
    virtual VirtualHidDeviceHandle plug (const VirtualHidDeviceInfo& info) = 0;

    // Pulls a device out: its removal notification (if registered and
    // scheduled) arrives on the message thread. Callable from any thread,
    // including from inside an output handler.
    virtual void unplug (const VirtualHidDeviceHandle& device) = 0;

    // Pulls every device out and forgets them, and clears the failure
    // switches below (between tests).
    virtual void reset() = 0;

    // Failure switches: createHidManager() gives null while the service is
    // unavailable; HidManager::open() fails while opening is refused.
    virtual void setServiceAvailable (bool available) = 0;
    virtual void setManagerOpenFails (bool fails) = 0;
    // How many times a virtual manager has been opened since the last reset.
    virtual int managerOpenCount() const = 0;

protected:
    virtual ~VirtualHidBus() = default;
};

} // namespace platform
