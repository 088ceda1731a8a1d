#include "LinuxHidDevice.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace platform
{
namespace
{

constexpr size_t maxReportSize = 4096;        // hidraw's own limit
constexpr int reportsPerWakeUp = 64;          // lets other descriptors have a turn
constexpr int writeStallTimeoutMs = 2000;     // a node that takes no output for this long has failed

void explainOpenFailure (const std::string& node, int error)
{
    if (error == EACCES || error == EPERM)
        std::fprintf (stderr,
                      "Cannot open the controller's HID node %s: %s. This user may not access it: "
                      "install the udev rule 70-krv-tm40.rules into /usr/lib/udev/rules.d "
                      "(cmake --install does this), run 'udevadm control --reload-rules && udevadm trigger', "
                      "and plug the controller in again.\n",
                      node.c_str(), std::strerror (error));
    else
        std::fprintf (stderr, "Cannot open the controller's HID node %s: %s.\n", node.c_str(), std::strerror (error));
}

} // namespace

LinuxHidDevice::LinuxHidDevice (std::string syspath, std::string devnode, LinuxHidProperties properties)
    : path (std::move (syspath)), node (std::move (devnode)), props (std::move (properties))
{
}

LinuxHidDevice::~LinuxHidDevice()
{
    if (watch != nullptr)
        watch->stop();
}

std::optional<int64_t> LinuxHidDevice::getNumberProperty (const char* key) const
{
    return key != nullptr ? props.get (key) : std::nullopt;
}

bool LinuxHidDevice::open()
{
    if (isGone())
        return false;

    const std::lock_guard<std::mutex> guard (writeLock);

    if (watch != nullptr)
        return true;

    const int fd = ::open (node.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);

    if (fd < 0)
    {
        explainOpenFailure (node, errno);
        return false;
    }

    std::weak_ptr<LinuxHidDevice> weak = weak_from_this();
    watch = LinuxFdWatch::create (fd, [weak] (int readyFd)
    {
        if (auto self = weak.lock())
            self->onReadable (readyFd);
    });
    return true;
}

void LinuxHidDevice::close()
{
    std::shared_ptr<LinuxFdWatch> closing;
    {
        const std::lock_guard<std::mutex> guard (writeLock);
        closing.swap (watch);
    }

    if (closing != nullptr)
        closing->stop();
}

void LinuxHidDevice::registerRemovalCallback (HidRemovalCallback callback, void* context)
{
    callbacks.setRemoval (callback, context);
}

void LinuxHidDevice::registerInputReportCallback (uint8_t* buffer, size_t bufferSize,
                                                  HidReportCallback callback, void* context)
{
    callbacks.setInputReport (buffer, bufferSize, callback, context);
}

void LinuxHidDevice::scheduleWithMessageThread()
{
    callbacks.setScheduled (true);
    startWatchIfScheduled();
}

void LinuxHidDevice::unscheduleFromMessageThread()
{
    callbacks.setScheduled (false);
}

void LinuxHidDevice::startWatchIfScheduled()
{
    const std::lock_guard<std::mutex> guard (writeLock);

    if (watch != nullptr)
        watch->start();
}

bool LinuxHidDevice::setOutputReport (uint8_t reportID, const uint8_t* bytes, size_t length)
{
    if (bytes == nullptr || length == 0 || length >= maxReportSize)
        return false;

    // hidraw takes the report ID first, 0 for a device without numbered reports.
    std::array<uint8_t, maxReportSize> wire;
    wire[0] = reportID;
    std::memcpy (wire.data() + 1, bytes, length);
    const size_t total = length + 1;

    const std::lock_guard<std::mutex> guard (writeLock);

    if (watch == nullptr)
        return false;

    size_t written = 0;

    while (written < total)
    {
        const auto n = ::write (watch->fd(), wire.data() + written, total - written);

        if (n > 0)
        {
            written += static_cast<size_t> (n);
            continue;
        }

        if (n < 0 && errno == EINTR)
            continue;

        if (n < 0 && errno == EAGAIN)
        {
            pollfd pfd { watch->fd(), POLLOUT, 0 };

            if (::poll (&pfd, 1, writeStallTimeoutMs) > 0 && (pfd.revents & POLLOUT) != 0)
                continue;
        }

        return false;
    }

    return true;
}

//==============================================================================
bool LinuxHidDevice::isGone() const
{
    const std::lock_guard<std::mutex> guard (stateLock);
    return gone;
}

void LinuxHidDevice::markGone()
{
    {
        const std::lock_guard<std::mutex> guard (stateLock);

        if (gone)
            return;

        gone = true;
    }

    // A dead descriptor must leave the message loop at once, or the loop spins on it.
    close();
    callbacks.deliverRemoval (this);
}

bool LinuxHidDevice::isHungUp (int fd) const
{
    pollfd pfd { fd, POLLIN, 0 };
    return ::poll (&pfd, 1, 0) > 0 && (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

size_t LinuxHidDevice::readSize() const
{
    const auto bufferSize = callbacks.reportBufferSize();
    return bufferSize > 0 ? std::min (bufferSize, maxReportSize) : maxReportSize;
}

// Message thread. One read is one report on hidraw, cut to the size of the
// caller's buffer. Removal shows as a read error (ENODEV, EIO), an end of
// file, or a hang-up or error on the node.
void LinuxHidDevice::onReadable (int fd)
{
    std::array<uint8_t, maxReportSize> report;

    for (int i = 0; i < reportsPerWakeUp; ++i)
    {
        const auto n = ::read (fd, report.data(), readSize());

        if (n > 0)
        {
            callbacks.deliverInput (this, report.data(), static_cast<size_t> (n));

            if (isGone())
                return;

            continue;
        }

        if (n < 0 && errno == EINTR)
            continue;

        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && ! isHungUp (fd))
            return;

        markGone();
        return;
    }
}

} // namespace platform
