#pragma once

#include <mutex>

// The device link's one notification lock: every notification, and every
// operation that attaches, detaches or tears down the link, runs under it.
// Recursive, so that a handler may call back into the link from inside a
// notification; it knows how deep the calling thread holds it, so that the
// one notification that may block can run with it fully released.
class HidNotificationLock
{
public:
    static HidNotificationLock& instance();

    void lock();
    void unlock();

private:
    friend class ScopedNotificationUnlock;

    std::recursive_mutex mutex;
    static thread_local int depth;
};

using HidNotificationGuard = std::lock_guard<HidNotificationLock>;

// Releases the lock entirely for the current scope when this thread holds it,
// and takes it again as deep as before.
class ScopedNotificationUnlock
{
public:
    ScopedNotificationUnlock();
    ~ScopedNotificationUnlock();

    ScopedNotificationUnlock (const ScopedNotificationUnlock&) = delete;
    ScopedNotificationUnlock& operator= (const ScopedNotificationUnlock&) = delete;

private:
    int released;
};
