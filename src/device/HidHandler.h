#pragma once

// Receiver of the device link's notifications. All three arrive on the message
// thread. matchingCallBack and inputCallBack run under the link's notification
// lock, so that a link torn down on another thread waits for them: they must
// not wait for another thread. removalCallBack runs without it and may.
class HidHandler
{
public:
    virtual ~HidHandler() = default;

    virtual void removalCallBack() = 0;
    virtual void matchingCallBack() = 0;
    virtual void inputCallBack (int) = 0;
};
