#pragma once

// One hidraw node as a HID device: reports through /dev/hidrawN, removal when
// the node fails or hangs up, or when udev says so, whichever comes first.

#include "HidDeviceCallbacks.h"
#include "HidService.h"
#include "LinuxFdWatch.h"
#include "LinuxHidProperties.h"

#include <mutex>
#include <string>

namespace platform
{

class LinuxHidDevice final : public HidDevice, public std::enable_shared_from_this<LinuxHidDevice>
{
public:
    LinuxHidDevice (std::string syspath, std::string devnode, LinuxHidProperties properties);
    ~LinuxHidDevice() override;

    std::optional<int64_t> getNumberProperty (const char* key) const override;
    bool open() override;
    void close() override;
    void registerRemovalCallback (HidRemovalCallback callback, void* context) override;
    void registerInputReportCallback (uint8_t* buffer, size_t bufferSize,
                                      HidReportCallback callback, void* context) override;
    void scheduleWithMessageThread() override;
    void unscheduleFromMessageThread() override;
    bool setOutputReport (uint8_t reportID, const uint8_t* bytes, size_t length) override;

    const std::string& syspath() const noexcept { return path; }
    const LinuxHidProperties& properties() const noexcept { return props; }

    // Message thread: the device has gone. Its removal notification is sent
    // once, however many signs of removal arrive.
    void markGone();
    bool isGone() const;

private:
    void onReadable (int fd);
    bool isHungUp (int fd) const;
    size_t readSize() const;
    void startWatchIfScheduled();

    const std::string path;
    const std::string node;
    const LinuxHidProperties props;

    // The node's descriptor, shared with the message loop while watched.
    // Guarded by writeLock so that a write never meets a closing descriptor.
    std::mutex writeLock;
    std::shared_ptr<LinuxFdWatch> watch;

    HidDeviceCallbacks callbacks;

    mutable std::mutex stateLock;
    bool gone = false;
};

} // namespace platform
