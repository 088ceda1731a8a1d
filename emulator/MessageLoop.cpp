#include "MessageLoop.h"

#include <juce_events/juce_events.h>

namespace juce
{
// The step of the framework's own dispatch loop (not in its public headers).
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace emu
{

namespace
{
struct Ticker : juce::Timer
{
    void timerCallback() override {}
};
}

bool runMessageLoopUntil (const std::function<bool()>& done, int boundMs)
{
    Ticker ticker;
    ticker.startTimer (5);
    const auto end = juce::Time::getMillisecondCounterHiRes() + boundMs;
    while (! done())
    {
        if (juce::Time::getMillisecondCounterHiRes() > end)
            return false;
        juce::dispatchNextMessageOnSystemQueue (false);
    }
    return true;
}

} // namespace emu
