#pragma once

#include <functional>

namespace emu
{

// Runs the JUCE message loop on the calling (message) thread the way the
// application does, woken by each message rather than polled, until done()
// holds or boundMs have passed. True when done() held. A 5 ms ticker keeps
// conditions that change without a message from waiting long.
bool runMessageLoopUntil (const std::function<bool()>& done, int boundMs);

} // namespace emu
