#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>

namespace platform
{
// The operating-system type code the main component keys two behaviours on
// (a 6 ms pause after every exchange up to 0x106; who releases the device
// controller: the component's destructor up to 0x10E, the update thread at
// completion from 0x10F).
//
// Linux has no such product version. It gets the fixed code 0x10E: no pause
// (the hidraw write is synchronous and needs none) and the device controller
// is released by the component's destructor on the message thread, where
// device notifications run.
constexpr uint16_t linuxOsTypeCode = 0x10E;

// 0x100 plus the integer value of the second dot-separated field of a product
// version text: "10.6.8" -> 0x106, "10.14.6" -> 0x10E, "12.3" -> 0x103,
// "11" -> 0x100.
uint16_t osTypeFromProductVersion (const juce::String& productVersion);

// The code of the running system.
uint16_t currentOsTypeCode();
} // namespace platform
