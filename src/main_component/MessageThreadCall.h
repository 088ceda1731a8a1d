#pragma once

#include <juce_events/juce_events.h>

#include <functional>

// Runs a function on the message thread some time after trigger() was called
// from any thread; once this object is gone, nothing runs.
class MessageThreadCall : private juce::AsyncUpdater
{
public:
    explicit MessageThreadCall (std::function<void()> functionToCall)
        : function (std::move (functionToCall)) {}

    ~MessageThreadCall() override { cancelPendingUpdate(); }

    void trigger() { triggerAsyncUpdate(); }

private:
    void handleAsyncUpdate() override { function(); }

    std::function<void()> function;
};
