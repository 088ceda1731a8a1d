#include "HidDeviceCallbacks.h"

#include <algorithm>
#include <cstring>

namespace platform
{

void HidDeviceCallbacks::setRemoval (HidRemovalCallback callback, void* context)
{
    const std::lock_guard<std::mutex> guard (lock);
    removalCallback = callback;
    removalContext = context;
}

void HidDeviceCallbacks::setInputReport (uint8_t* buffer, size_t size, HidReportCallback callback, void* context)
{
    const std::lock_guard<std::mutex> guard (lock);
    reportBuffer = buffer;
    bufferSize = size;
    reportCallback = callback;
    reportContext = context;
}

void HidDeviceCallbacks::setScheduled (bool shouldBeScheduled)
{
    const std::lock_guard<std::mutex> guard (lock);
    scheduled = shouldBeScheduled;
}

size_t HidDeviceCallbacks::reportBufferSize() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return reportCallback != nullptr && reportBuffer != nullptr ? bufferSize : 0;
}

void HidDeviceCallbacks::deliverInput (HidDevice* sender, const uint8_t* bytes, size_t length)
{
    HidReportCallback callback = nullptr;
    void* context = nullptr;
    uint8_t* buffer = nullptr;
    {
        const std::lock_guard<std::mutex> guard (lock);

        if (! scheduled || reportCallback == nullptr || reportBuffer == nullptr)
            return;

        std::memcpy (reportBuffer, bytes, std::min (length, bufferSize));
        callback = reportCallback;
        context = reportContext;
        buffer = reportBuffer;
    }

    callback (context, hidSuccess, static_cast<void*> (sender), HidReportType::input, 0, buffer, static_cast<long> (length));
}

void HidDeviceCallbacks::deliverRemoval (HidDevice* sender)
{
    HidRemovalCallback callback = nullptr;
    void* context = nullptr;
    {
        const std::lock_guard<std::mutex> guard (lock);

        if (! scheduled || removalCallback == nullptr)
            return;

        callback = removalCallback;
        context = removalContext;
    }

    callback (context, hidSuccess, static_cast<void*> (sender));
}

} // namespace platform
