#pragma once

// The HID manager service the device layer is written against: the operations
// the device link needs from the operating system, and nothing more. One
// implementation per platform (LinuxHidService) plus an in-process virtual one
// for tests and the demo (VirtualHidService). Which one a program uses is
// decided at link time by the backend library it links: each defines
// platform::createHidManager().
//
// Threading: every notification (arrival, removal, input report) is delivered
// on the JUCE message thread, and only while the manager or the device is
// scheduled; never from inside a call into the service. The service holds no
// lock of its own while it calls back, so a callback may call into the
// service. Registration, scheduling, close and destruction may happen on any
// thread and never wait for the message thread. Once a register or unregister
// call has returned, the service no longer writes into the old report buffer;
// when it was made off the message thread, one call of the old callback that
// was already under way may still arrive, so callbacks check their context.
// setOutputReport may be called from any thread, is synchronous, and never
// waits for the message thread.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform
{

class HidDevice;
using HidDeviceRef = std::shared_ptr<HidDevice>;

enum class HidReportType { input = 0, output = 1, feature = 2 };

// Result codes passed to the notifications; 0 is success.
constexpr int hidSuccess = 0;

using HidDeviceCallback = void (*) (void* context, int result, void* sender, HidDeviceRef device);
using HidRemovalCallback = void (*) (void* context, int result, void* sender);
using HidReportCallback = void (*) (void* context, int result, void* sender, HidReportType type,
                                    uint32_t reportID, uint8_t* report, long reportLength);

// One matching entry: a device matches when its primary usage page and usage
// equal the given ones; an absent value matches anything.
struct HidMatching
{
    std::optional<uint32_t> primaryUsagePage;
    std::optional<uint32_t> primaryUsage;
};

class HidDevice
{
public:
    virtual ~HidDevice() = default;

    // Number property by key: "VendorID", "ProductID", "VersionNumber",
    // "LocationID", "PrimaryUsagePage", "PrimaryUsage". nullopt when the
    // property is missing or is not a number.
    virtual std::optional<int64_t> getNumberProperty (const char* key) const = 0;

    // Opens the device for reports; the link opens the one device it attaches.
    // False (with a diagnostic on stderr naming the cause) when the device
    // cannot be opened, e.g. for lack of permission. close() gives the device
    // up again; a closed device sends no output report.
    virtual bool open() = 0;
    virtual void close() = 0;

    // Passing a null callback unregisters. The report buffer is caller-owned and
    // must stay valid while registered; the service writes each input report
    // into it (at most bufferSize bytes) before calling back.
    virtual void registerRemovalCallback (HidRemovalCallback callback, void* context) = 0;
    virtual void registerInputReportCallback (uint8_t* reportBuffer, size_t bufferSize,
                                              HidReportCallback callback, void* context) = 0;

    // Start and stop delivering this device's notifications on the message thread.
    virtual void scheduleWithMessageThread() = 0;
    virtual void unscheduleFromMessageThread() = 0;

    // Synchronous output report. Report ID 0: the bytes go out as they are.
    virtual bool setOutputReport (uint8_t reportID, const uint8_t* bytes, size_t length) = 0;
};

class HidManager
{
public:
    virtual ~HidManager() = default;

    // Null means: match every HID device.
    virtual void setDeviceMatchingMultiple (const std::vector<HidMatching>* criteria) = 0;
    virtual bool open() = 0;

    // The currently attached matching devices, or nullopt when the service has
    // no device set to give.
    virtual std::optional<std::vector<HidDeviceRef>> copyDevices() = 0;

    // Arrival of a matching device. Null callback unregisters.
    virtual void registerDeviceMatchingCallback (HidDeviceCallback callback, void* context) = 0;
    virtual void scheduleWithMessageThread() = 0;
};

// Defined by the linked backend (Linux hidraw or virtual). Null when the
// service cannot be reached.
std::unique_ptr<HidManager> createHidManager();

} // namespace platform
