#pragma once

// A device's notification registrations, shared by the HID backends: the
// removal and input-report callbacks, the caller's report buffer, and whether
// the device is scheduled. Deliveries copy under the lock and call back
// without it, so a callback may register, unregister or unschedule.

#include "HidService.h"

#include <mutex>

namespace platform
{

class HidDeviceCallbacks
{
public:
    void setRemoval (HidRemovalCallback callback, void* context);
    void setInputReport (uint8_t* buffer, size_t bufferSize, HidReportCallback callback, void* context);
    void setScheduled (bool shouldBeScheduled);

    // Size of the registered report buffer, 0 when none is registered.
    size_t reportBufferSize() const;

    // Message thread: writes the report into the registered buffer (at most
    // its size) and calls back with the report's own length. Nothing happens
    // unless the device is scheduled and a callback is registered.
    void deliverInput (HidDevice* sender, const uint8_t* bytes, size_t length);
    void deliverRemoval (HidDevice* sender);

private:
    mutable std::mutex lock;
    bool scheduled = false;
    HidRemovalCallback removalCallback = nullptr;
    void* removalContext = nullptr;
    HidReportCallback reportCallback = nullptr;
    void* reportContext = nullptr;
    uint8_t* reportBuffer = nullptr;
    size_t bufferSize = 0;
};

} // namespace platform
