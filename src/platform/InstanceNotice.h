#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <memory>

namespace platform
{
// The notice a second start of the program gives to the running one.
//
// The framework keeps a second start from running (its inter-process lock),
// but on Linux its broadcast to the running instance is empty, so nobody
// would bring the running window to the front. This service fills that gap
// with a local socket keyed to the application name and the user: the running
// instance listens, a refused second start connects and sends its command
// line. Both ends check that the other side belongs to the same user.
class InstanceNotice
{
public:
    using Callback = std::function<void (const juce::String& commandLine)>;

    // Starts listening. onNotice runs on the message thread, never after this
    // object is gone (create and destroy it on the message thread).
    InstanceNotice (const juce::String& appName, Callback onNotice);
    ~InstanceNotice();

    // False when another process of this user already listens under the name
    // (or the socket could not be made): notices then go there.
    bool isListening() const;

    // Sends the notice to the running instance of this user. Keeps trying to
    // connect for up to timeoutMs, because the running instance may still be
    // starting up. True once the running instance has taken the notice.
    static bool tellRunningInstance (const juce::String& appName, const juce::String& commandLine,
                                     int timeoutMs);

private:
    class Listener;
    std::shared_ptr<Callback> callback;
    std::unique_ptr<Listener> listener;

    JUCE_DECLARE_NON_COPYABLE (InstanceNotice)
};
} // namespace platform
