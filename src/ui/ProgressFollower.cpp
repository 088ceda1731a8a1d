// How the progress bar keeps up with the update thread.
#include "ProgressFollower.h"

namespace ui
{
namespace
{
// The bar itself looks at its value every 30 ms.
constexpr int pollIntervalMs = 30;
} // namespace

ProgressFollower::ProgressFollower (const std::atomic<double>& progressSource, double& progressShown)
    : source (progressSource), shown (progressShown)
{
}

ProgressFollower::~ProgressFollower()
{
    stopTimer();
}

void ProgressFollower::setActive (bool shouldFollow)
{
    follow();
    if (! shouldFollow)
        stopTimer();
    else if (! isTimerRunning())
        startTimer (pollIntervalMs);
}
} // namespace ui
