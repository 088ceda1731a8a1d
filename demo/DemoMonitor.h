#pragma once

// Reports on the standard output what the emulated controller has seen, as it
// happens, and at the end whether its memory holds the update file's images.
// For whoever watches the demo from a terminal, and for the demo's test.

#include "EmulatedController.h"

#include <juce_events/juce_events.h>

namespace demo
{

class DemoMonitor : private juce::Timer
{
public:
    DemoMonitor (const emu::EmulatedController& controller, juce::File updateFile);
    ~DemoMonitor() override;

    // Prints whether every block was stored and what the controller holds
    // compared with the update file.
    void reportResult() const;

private:
    void timerCallback() override;

    const emu::EmulatedController& controller;
    juce::File updateFile;
    double startMs;
    bool checksSeen = false;
    size_t blocksSeen = 0;
    bool finishSeen = false;
};

} // namespace demo
