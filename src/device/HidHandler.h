#pragma once

// Receiver of the device link's notifications. All three arrive on the message thread.
class HidHandler
{
public:
    virtual ~HidHandler() = default;

    virtual void removalCallBack() = 0;
    virtual void matchingCallBack() = 0;
    virtual void inputCallBack (int) = 0;
};
