#include "HidUtil.h"

#include "HidEnum.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#ifndef KRV_USB_VENDOR_ID
 #error "KRV_USB_VENDOR_ID (the maker's USB vendor ID) must be defined by the build"
#endif

namespace
{
constexpr int64_t makerVendorID = KRV_USB_VENDOR_ID;
constexpr size_t reportBufferSize = 64;

HidNotificationLock& notificationLock() { return HidNotificationLock::instance(); }
} // namespace

HidUtil* HidUtil::m_pinstance = nullptr;
const int32_t HidUtil::HidDeviceType[2] = { 0x0000, 0x0038 };

HidUtil::HidUtil()
    : m_pReportBuffer (new uint8_t[reportBufferSize])
{
}

HidUtil::~HidUtil()
{
    const HidNotificationGuard guard (notificationLock());
    finalize();
    delete[] m_pReportBuffer;
    m_pReportBuffer = nullptr;

    // Only the instance that built the manager drops it, and only while no
    // other link uses it: a refused second instance leaves the active one alone.
    if (m_holdsManager && m_pinstance == nullptr)
        HIDReleaseManager();
}

bool HidUtil::initialize (HidHandler* handler, int deviceType)
{
    const HidNotificationGuard guard (notificationLock());

    if (m_pinstance != nullptr)
        return false;

    m_pinstance = this;
    m_pHandler = handler;
    m_deviceType = deviceType;
    m_holdsManager = true;
    HIDBuildDeviceList (0, 0);
    return true;
}

bool HidUtil::deviceMatching()
{
    const HidNotificationGuard guard (notificationLock());

    if (m_pDevice != nullptr)
        return true;

    bool found = false;

    for (auto device = HIDGetFirstDevice(); device != nullptr; device = HIDGetNextDevice (device))
    {
        if (krvMatching (device))
        {
            found = true;
            break;
        }
    }

    if (! m_isMatchingRegistered && gIOHIDManagerRef != nullptr)
    {
        m_isMatchingRegistered = true;
        gIOHIDManagerRef->registerDeviceMatchingCallback (Handle_DeviceMatchingCallback, m_pinstance);
        gIOHIDManagerRef->scheduleWithMessageThread();
    }

    return found;
}

bool HidUtil::krvMatching (const platform::HidDeviceRef& device)
{
    const HidNotificationGuard guard (notificationLock());

    if (m_pDevice != nullptr || device == nullptr)
        return false;

    if (IOHIDDevice_GetVendorID (device) != makerVendorID)
        return false;

    if (m_deviceType < 0 || m_deviceType >= static_cast<int> (std::size (HidDeviceType))
        || IOHIDDevice_GetProductID (device) != HidDeviceType[m_deviceType])
        return false;

    // A controller whose node we may not open is not attached; the service
    // has said why on stderr.
    if (! device->open())
        return false;

    attach (device);
    return true;
}

int64_t HidUtil::deviceVersion()
{
    const HidNotificationGuard guard (notificationLock());

    if (m_pDevice == nullptr)
        return 0;

    // The release number is BCD: its hexadecimal digits read as a decimal number.
    const int64_t v = IOHIDDevice_GetVersionNumber (m_pDevice);
    return (v / 4096) * 1000 + ((v % 4096) / 256) * 100 + ((v % 256) / 16) * 10 + (v % 16);
}

size_t HidUtil::deviceInput (uint8_t* pdata, size_t length, int)
{
    if (pdata == nullptr || length == 0)
    {
        std::fprintf (stderr, "deviceInput failed. pdata:%p length:%ld\r\n", static_cast<void*> (pdata), static_cast<long> (length));
        return 0;
    }

    const HidNotificationGuard guard (notificationLock());

    if (m_pDevice == nullptr)
    {
        std::fprintf (stderr, "deviceInput failed. m_pDevice:%p\r\n", static_cast<void*> (m_pDevice.get()));
        return 0;
    }

    const auto count = std::min (static_cast<size_t> (m_reportLength), length);
    std::memcpy (pdata, m_pReportBuffer, count);
    return count;
}

bool HidUtil::deviceOutput (const uint8_t* pdata, size_t length)
{
    if (pdata == nullptr || length == 0)
        return false;

    platform::HidDeviceRef device;
    {
        const std::lock_guard<std::mutex> guard (m_deviceLock);
        device = m_pDevice;
    }

    // Outside every lock: a removal on the message thread may close the
    // device meanwhile, and the write then simply fails.
    return device != nullptr && device->setOutputReport (0, pdata, length);
}

void HidUtil::finalize()
{
    const HidNotificationGuard guard (notificationLock());

    if (m_pinstance != this)
        return;

    if (m_pDevice != nullptr)
        detach();

    HIDReleaseDeviceList();

    if (gIOHIDManagerRef != nullptr)
        gIOHIDManagerRef->registerDeviceMatchingCallback (nullptr, nullptr);

    m_pinstance = nullptr;
    m_pHandler = nullptr;
}

//==============================================================================
void HidUtil::attach (const platform::HidDeviceRef& device)
{
    setDevice (device);
    std::memset (m_pReportBuffer, 0, reportBufferSize);
    m_reportLength = 0;
    device->registerRemovalCallback (Handle_IOHIDDeviceRemovalCallback, this);
    device->registerInputReportCallback (m_pReportBuffer, reportBufferSize, Handle_IOHIDDeviceIOHIDReportCallback, nullptr);
    device->scheduleWithMessageThread();
}

void HidUtil::detach()
{
    const auto device = m_pDevice;
    device->registerRemovalCallback (nullptr, nullptr);
    device->registerInputReportCallback (m_pReportBuffer, reportBufferSize, nullptr, nullptr);
    device->unscheduleFromMessageThread();
    device->close();
    setDevice (nullptr);
    std::memset (m_pReportBuffer, 0, reportBufferSize);
    m_reportLength = 0;
}

void HidUtil::setDevice (const platform::HidDeviceRef& device)
{
    const std::lock_guard<std::mutex> guard (m_deviceLock);
    m_pDevice = device;
}

//==============================================================================
// The notifications trust nothing they are given until the lock is held: the
// context may be a link that has just been finalized, the sender a device
// that has just been detached.
void HidUtil::Handle_DeviceMatchingCallback (void* context, int, void*, platform::HidDeviceRef device)
{
    const HidNotificationGuard guard (notificationLock());
    auto* util = static_cast<HidUtil*> (context);

    if (util == nullptr || util != m_pinstance)
        return;

    if (util->krvMatching (device) && util->m_pHandler != nullptr)
        util->m_pHandler->matchingCallBack();
}

void HidUtil::Handle_IOHIDDeviceRemovalCallback (void* context, int, void* sender)
{
    const HidNotificationGuard guard (notificationLock());
    auto* util = static_cast<HidUtil*> (context);

    if (util == nullptr || sender == nullptr || util != m_pinstance || util->m_pDevice == nullptr
        || static_cast<void*> (util->m_pDevice.get()) != sender)
        return;

    util->detach();

    // Last use of util: the handler may end the link.
    if (auto* handler = util->m_pHandler)
        handler->removalCallBack();
}

void HidUtil::Handle_IOHIDDeviceIOHIDReportCallback (void*, int, void* sender, platform::HidReportType,
                                                     uint32_t, uint8_t*, long reportLength)
{
    const HidNotificationGuard guard (notificationLock());
    auto* util = m_pinstance;

    if (util == nullptr || util->m_pDevice == nullptr || static_cast<void*> (util->m_pDevice.get()) != sender)
        return;

    util->m_reportLength = static_cast<int> (std::clamp<long> (reportLength, 0, static_cast<long> (reportBufferSize)));

    if (util->m_reportLength >= 1 && util->m_pReportBuffer[0] >= 0xF0 && util->m_pHandler != nullptr)
        util->m_pHandler->inputCallBack (0);
}
