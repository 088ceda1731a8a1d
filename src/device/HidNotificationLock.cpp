#include "HidNotificationLock.h"

thread_local int HidNotificationLock::depth = 0;

HidNotificationLock& HidNotificationLock::instance()
{
    static HidNotificationLock lock;
    return lock;
}

void HidNotificationLock::lock()
{
    mutex.lock();
    ++depth;
}

void HidNotificationLock::unlock()
{
    --depth;
    mutex.unlock();
}

ScopedNotificationUnlock::ScopedNotificationUnlock()
    : released (HidNotificationLock::depth)
{
    for (int i = 0; i < released; ++i)
        HidNotificationLock::instance().unlock();
}

ScopedNotificationUnlock::~ScopedNotificationUnlock()
{
    for (int i = 0; i < released; ++i)
        HidNotificationLock::instance().lock();
}
