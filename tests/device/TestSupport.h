#pragma once

#include <juce_events/juce_events.h>

#include <atomic>
#include <functional>

#include "HidCtrl.h"
#include "HidHandler.h"

namespace devicetest
{

// Runs the message loop until the condition holds, for at most timeoutMs.
inline bool waitFor (const std::function<bool()>& condition, int timeoutMs = 15000)
{
    const auto end = juce::Time::getMillisecondCounter() + static_cast<juce::uint32> (timeoutMs);

    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return condition();

        juce::MessageManager::getInstance()->runDispatchLoopUntil (2);
    }

    return true;
}

// Runs the message loop until everything posted so far has been delivered.
inline void drainMessages()
{
    auto done = std::make_shared<std::atomic<bool>> (false);
    juce::MessageManager::callAsync ([done] { *done = true; });
    waitFor ([done] { return done->load(); });
}

// Stands in for the main component: counts what reaches it and what the
// device controller said at that moment.
class RecordingHandler : public HidHandler
{
public:
    void removalCallBack() override
    {
        ++removals;
        connectedAtRemoval = ctrl != nullptr ? ctrl->m_connected.load() : -1;
    }

    void matchingCallBack() override
    {
        ++matchings;
        connectedAtMatching = ctrl != nullptr ? ctrl->m_connected.load() : -1;
    }

    void inputCallBack (int) override
    {
        ++inputs;

        if (ctrl != nullptr)
        {
            lastLength = ctrl->m_inputLength;
            lastFirstByte = ctrl->m_inputData[0];
        }
    }

    HidCtrl* ctrl = nullptr;
    std::atomic<int> removals { 0 }, matchings { 0 }, inputs { 0 };
    int connectedAtRemoval = -1, connectedAtMatching = -1;
    size_t lastLength = 0;
    int lastFirstByte = -1;
};

} // namespace devicetest
