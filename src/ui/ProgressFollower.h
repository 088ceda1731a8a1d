#pragma once

#include <juce_events/juce_events.h>

#include <atomic>

namespace ui
{
// Keeps the progress bar's value (message thread) following the progress the
// update thread writes. The thread asks for a screen rebuild only once per
// pass, and one pass sends a whole block, so the value is polled while the
// bar shows.
class ProgressFollower : private juce::Timer
{
public:
    ProgressFollower (const std::atomic<double>& source, double& shown);
    ~ProgressFollower() override;

    void setActive (bool shouldFollow);
    void follow() { shown = source.load(); }

private:
    void timerCallback() override { follow(); }

    const std::atomic<double>& source;
    double& shown;
};
} // namespace ui
