#include "InstanceNotice.h"

#include <juce_events/juce_events.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform
{
namespace
{
constexpr size_t maxNoticeBytes = 4096;
constexpr int clientReadTimeoutMs = 1000;
constexpr char ackByte = 'k';

// An abstract-namespace address: nothing is left in the file system when a
// process dies, and the user ID keeps users apart.
socklen_t makeAddress (const juce::String& appName, sockaddr_un& address)
{
    const auto name = "krv-instance/" + appName + "/" + juce::String ((juce::int64) geteuid());
    const auto* utf8 = name.toRawUTF8();
    const auto length = std::min (std::strlen (utf8), sizeof (address.sun_path) - 1);

    std::memset (&address, 0, sizeof (address));
    address.sun_family = AF_UNIX;
    std::memcpy (address.sun_path + 1, utf8, length);
    return (socklen_t) (offsetof (sockaddr_un, sun_path) + 1 + length);
}

bool peerIsSameUser (int fd)
{
    ucred credentials {};
    socklen_t size = sizeof (credentials);
    return getsockopt (fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0
           && credentials.uid == geteuid();
}

bool waitReadable (int fd, int timeoutMs)
{
    pollfd p { fd, POLLIN, 0 };
    int result;
    do
    {
        result = poll (&p, 1, timeoutMs);
    } while (result < 0 && errno == EINTR);
    return result > 0;
}

// Reads until the sender closes its side, the limit or the time-out.
juce::String readNotice (int fd)
{
    juce::MemoryBlock text;
    char buffer[512];
    while (text.getSize() < maxNoticeBytes && waitReadable (fd, clientReadTimeoutMs))
    {
        const auto n = read (fd, buffer, sizeof (buffer));
        if (n <= 0)
            break;
        text.append (buffer, (size_t) n);
    }
    return juce::String::fromUTF8 (static_cast<const char*> (text.getData()), (int) text.getSize());
}

bool writeAll (int fd, const char* data, size_t size)
{
    while (size > 0)
    {
        const auto n = send (fd, data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= (size_t) n;
    }
    return true;
}

int connectOnce (const juce::String& appName)
{
    sockaddr_un address;
    const auto length = makeAddress (appName, address);
    const int fd = socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (connect (fd, reinterpret_cast<const sockaddr*> (&address), length) == 0)
        return fd;
    close (fd);
    return -1;
}
} // namespace

class InstanceNotice::Listener : private juce::Thread
{
public:
    Listener (int socketFd, std::weak_ptr<Callback> target)
        : juce::Thread ("InstanceNotice"), listenFd (socketFd), callback (std::move (target))
    {
        if (pipe2 (wakePipe, O_CLOEXEC) == 0)
            startThread();
    }

    ~Listener() override
    {
        if (wakePipe[1] >= 0)
        {
            const char wake = 1;
            [[maybe_unused]] const auto written = write (wakePipe[1], &wake, 1);
        }
        stopThread (2000);
        for (const int fd : { listenFd, wakePipe[0], wakePipe[1] })
            if (fd >= 0)
                close (fd);
    }

private:
    void run() override
    {
        while (! threadShouldExit())
        {
            pollfd p[2] = { { listenFd, POLLIN, 0 }, { wakePipe[0], POLLIN, 0 } };
            if (poll (p, 2, -1) < 0)
            {
                if (errno == EINTR)
                    continue;
                return;
            }
            if (p[1].revents != 0)
                return;
            if ((p[0].revents & POLLIN) != 0)
                serveOne();
        }
    }

    void serveOne()
    {
        const int fd = accept4 (listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            return;
        if (peerIsSameUser (fd))
        {
            deliver (readNotice (fd));
            writeAll (fd, &ackByte, 1);
        }
        close (fd);
    }

    void deliver (const juce::String& commandLine)
    {
        juce::MessageManager::callAsync ([weak = callback, commandLine]
        {
            if (auto target = weak.lock())
                (*target) (commandLine);
        });
    }

    int listenFd;
    int wakePipe[2] = { -1, -1 };
    std::weak_ptr<Callback> callback;
};

InstanceNotice::InstanceNotice (const juce::String& appName, Callback onNotice)
    : callback (std::make_shared<Callback> (std::move (onNotice)))
{
    sockaddr_un address;
    const auto length = makeAddress (appName, address);
    const int fd = socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    if (bind (fd, reinterpret_cast<const sockaddr*> (&address), length) != 0 || listen (fd, 4) != 0)
    {
        close (fd);
        return;
    }
    listener = std::make_unique<Listener> (fd, callback);
}

InstanceNotice::~InstanceNotice()
{
    // Dropping the callback first: a notice already posted to the message
    // thread then finds nobody to call.
    callback.reset();
    listener.reset();
}

bool InstanceNotice::isListening() const
{
    return listener != nullptr;
}

bool InstanceNotice::tellRunningInstance (const juce::String& appName, const juce::String& commandLine,
                                          int timeoutMs)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    int fd = connectOnce (appName);
    while (fd < 0 && juce::Time::getMillisecondCounter() < deadline)
    {
        juce::Thread::sleep (50);
        fd = connectOnce (appName);
    }
    if (fd < 0)
        return false;

    const auto* utf8 = commandLine.toRawUTF8();
    bool taken = peerIsSameUser (fd) && writeAll (fd, utf8, std::strlen (utf8));
    if (taken)
    {
        shutdown (fd, SHUT_WR);
        const auto left = (int) (deadline - juce::Time::getMillisecondCounter());
        char reply = 0;
        taken = waitReadable (fd, juce::jmax (left, clientReadTimeoutMs)) && read (fd, &reply, 1) == 1
                && reply == ackByte;
    }
    close (fd);
    return taken;
}
} // namespace platform
