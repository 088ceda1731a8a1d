#pragma once

#include "HidHandler.h"
#include "HidNotificationLock.h"
#include "HidService.h"

#include <cstddef>
#include <cstdint>
#include <mutex>

// The platform-facing side of the device link: a singleton that attaches the
// one controller, registers the platform notifications and turns them into
// HidHandler calls.
//
// Every notification, and every operation that changes the attachment, runs
// under one process-wide notification lock, so that a link finalized and
// deleted on another thread never meets a notification half-way. The handler
// is called with the lock held; HidCtrl releases it around the one call that
// may block (removalCallBack). deviceOutput takes only a short device lock and
// never waits for the message thread.
class HidUtil
{
public:
    HidUtil();
    virtual ~HidUtil();

    bool initialize (HidHandler* handler, int deviceType);
    bool deviceMatching();
    bool krvMatching (const platform::HidDeviceRef& device);
    int64_t deviceVersion();
    size_t deviceInput (uint8_t* pdata, size_t length, int unused);
    bool deviceOutput (const uint8_t* pdata, size_t length);
    void finalize();

    static void Handle_DeviceMatchingCallback (void* context, int result, void* sender, platform::HidDeviceRef device);
    static void Handle_IOHIDDeviceRemovalCallback (void* context, int result, void* sender);
    static void Handle_IOHIDDeviceIOHIDReportCallback (void* context, int result, void* sender,
                                                       platform::HidReportType type, uint32_t reportID,
                                                       uint8_t* report, long reportLength);

    static HidUtil* m_pinstance;
    static const int32_t HidDeviceType[2];

    HidHandler* m_pHandler = nullptr;
    int m_deviceType = 0;
    platform::HidDeviceRef m_pDevice;
    uint8_t* m_pReportBuffer = nullptr;
    int m_reportLength = 0;
    bool m_isMatchingRegistered = false;

private:
    void attach (const platform::HidDeviceRef& device);
    void detach();
    void setDevice (const platform::HidDeviceRef& device);

    std::mutex m_deviceLock;        // guards m_pDevice against deviceOutput on another thread
    bool m_holdsManager = false;    // this instance built the manager and releases it
};
