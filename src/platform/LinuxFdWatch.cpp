#include "LinuxFdWatch.h"

#include <juce_events/juce_events.h>

#include <unistd.h>

namespace platform
{

std::shared_ptr<LinuxFdWatch> LinuxFdWatch::create (int fd, std::function<void (int)> onReady)
{
    return std::shared_ptr<LinuxFdWatch> (new LinuxFdWatch (fd, std::move (onReady)));
}

LinuxFdWatch::LinuxFdWatch (int fd, std::function<void (int)> onReady)
    : descriptor (fd), callback (std::move (onReady))
{
}

LinuxFdWatch::~LinuxFdWatch()
{
    if (descriptor >= 0)
        ::close (descriptor);
}

void LinuxFdWatch::start()
{
    if (juce::MessageManager::existsAndIsCurrentThread())
        registerNow();
    else
        juce::MessageManager::callAsync ([self = shared_from_this()] { self->registerNow(); });
}

void LinuxFdWatch::stop()
{
    {
        const std::lock_guard<std::mutex> guard (lock);
        active = false;

        if (! registered)
            return;
    }

    if (juce::MessageManager::existsAndIsCurrentThread())
        unregisterNow();
    else
        juce::MessageManager::callAsync ([self = shared_from_this()] { self->unregisterNow(); });
}

// The registration holds the watch (and with it the descriptor) alive until
// it is taken back.
void LinuxFdWatch::registerNow()
{
    {
        const std::lock_guard<std::mutex> guard (lock);

        if (! active || registered)
            return;

        registered = true;
    }

    juce::LinuxEventLoop::registerFdCallback (descriptor, [self = shared_from_this()] (int) { self->dispatch(); });
}

void LinuxFdWatch::unregisterNow()
{
    {
        const std::lock_guard<std::mutex> guard (lock);

        if (! registered)
            return;

        registered = false;
    }

    juce::LinuxEventLoop::unregisterFdCallback (descriptor);
}

void LinuxFdWatch::dispatch()
{
    bool isActive;
    {
        const std::lock_guard<std::mutex> guard (lock);
        isActive = active;
    }

    // A stopped watch whose hand-over has not run yet would spin the loop on
    // a hung-up descriptor: let go of it now.
    if (! isActive)
    {
        unregisterNow();
        return;
    }

    callback (descriptor);
}

} // namespace platform
