#include "DemoController.h"

#include <cstdlib>

namespace demo
{

namespace
{
// A full-speed USB HID interrupt endpoint is polled once per 1 ms frame, so a
// request and its answer take about one frame.
constexpr int usbFrameMicroseconds = 1000;
constexpr int largestLatencyMicroseconds = 100000;

// Writing a 128 KiB block into flash keeps the controller busy for a few of
// the updater's 100 ms status polls.
constexpr int busyPollsPerBlock = 3;

int latencyMicroseconds()
{
    const auto* text = std::getenv ("KRV_DEMO_LATENCY_US");
    if (text == nullptr || *text == 0)
        return usbFrameMicroseconds;

    char* end = nullptr;
    const auto value = std::strtol (text, &end, 10);
    if (*end != 0 || value < 0 || value > largestLatencyMicroseconds)
        return usbFrameMicroseconds;
    return (int) value;
}
}

emu::ControllerConfig controllerConfig()
{
    // Kind, date and version are older than the sample file the demo's build
    // writes (kind 1, 1.02, 0x20240315), so all three images are written.
    emu::ControllerConfig config;
    config.kind = 1;
    config.dateWord = 0x20230601;
    config.versionBytes = { '1', '.', '0', '0' };
    config.busyAnswersPerBlock = busyPollsPerBlock;
    config.latencyMicroseconds = latencyMicroseconds();
    config.keepTrace = false;   // a demo runs long; nobody reads the trace
    return config;
}

} // namespace demo
