#pragma once

// The emulated KRV-TM40 the demo talks to: an older firmware than the sample
// update file beside the demo, timed like a controller on a real USB port.

#include "EmulatedController.h"

namespace demo
{

// `KRV_DEMO_LATENCY_US` in the environment replaces the modelled time per
// exchange (for quick walkthroughs); anything but a number from 0 to 100000
// keeps the default.
emu::ControllerConfig controllerConfig();

} // namespace demo
