#pragma once

// A file descriptor watched by the JUCE message loop. It owns the descriptor
// and closes it only once the loop has let go of it, so that the number can
// never be reused while a stale registration exists.

#include <functional>
#include <memory>
#include <mutex>

namespace platform
{

class LinuxFdWatch : public std::enable_shared_from_this<LinuxFdWatch>
{
public:
    // Takes ownership of fd. onReady runs on the message thread whenever the
    // descriptor is readable or has hung up or failed.
    static std::shared_ptr<LinuxFdWatch> create (int fd, std::function<void (int fd)> onReady);
    ~LinuxFdWatch();

    int fd() const noexcept { return descriptor; }

    // Message thread: starts watching. Off the message thread the start is
    // handed to it.
    void start();

    // Any thread, never waits. On the message thread the watch ends at once.
    // Elsewhere the message loop lets go of the descriptor at its next turn,
    // and one call of onReady that was already under way may still happen:
    // onReady checks its own state.
    void stop();

    LinuxFdWatch (const LinuxFdWatch&) = delete;
    LinuxFdWatch& operator= (const LinuxFdWatch&) = delete;

private:
    LinuxFdWatch (int fd, std::function<void (int)> onReady);

    void registerNow();
    void unregisterNow();
    void dispatch();

    const int descriptor;
    const std::function<void (int)> callback;
    std::mutex lock;
    bool active = true;
    bool registered = false;
};

} // namespace platform
