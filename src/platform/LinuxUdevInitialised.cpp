#include "LinuxUdevInitialised.h"

#include <atomic>

#include <unistd.h>

namespace platform
{
namespace
{

std::atomic<bool (*) (udev_device*)> replacedCheck { nullptr };

bool udevDaemonRunning()
{
    return ::access ("/run/udev/control", F_OK) == 0;
}

} // namespace

bool isUdevInitialised (udev_device* device)
{
    if (auto* check = replacedCheck.load())
        return check (device);

    return udev_device_get_is_initialized (device) != 0 || ! udevDaemonRunning();
}

void setUdevInitialisedCheck (bool (*check) (udev_device*))
{
    replacedCheck = check;
}

} // namespace platform
