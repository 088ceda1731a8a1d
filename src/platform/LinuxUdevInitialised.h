#pragma once

// Whether udev has finished setting a device up (its rules have run, so its
// node has the access rights they give). A system without a running udev
// daemon never marks anything as set up; there every device counts as ready.

#include <libudev.h>

namespace platform
{

bool isUdevInitialised (udev_device* device);

// For tests, whose mocked devices have no udev database: replaces the check
// (null restores the real one). Call before any HID manager exists.
void setUdevInitialisedCheck (bool (*check) (udev_device*));

} // namespace platform
