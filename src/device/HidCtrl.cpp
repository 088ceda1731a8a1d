#include "HidCtrl.h"

#include "HidUtil.h"

#include <cstring>

HidCtrl::HidCtrl() = default;

HidCtrl::~HidCtrl()
{
    finalize();
}

bool HidCtrl::initialize (HidHandler* handler, int deviceType)
{
    const HidNotificationGuard guard (HidNotificationLock::instance());

    if (m_pHidUtil != nullptr)
        finalize();

    m_pHandler = handler;
    m_pHidUtil = new HidUtil();
    m_connected = 0;
    std::memset (m_inputData, 0, sizeof (m_inputData));

    if (! m_pHidUtil->initialize (this, deviceType))
    {
        delete m_pHidUtil;
        m_pHidUtil = nullptr;
        m_pHandler = nullptr;
        m_connected = 0;
        return false;
    }

    m_connected = m_pHidUtil->deviceMatching() ? 1 : 0;

    if (m_connected != 0)
        m_version = static_cast<int> (m_pHidUtil->deviceVersion());

    return m_connected != 0;
}

bool HidCtrl::sendData (const uint8_t* data, size_t length)
{
    if (m_connected == 0)
        return false;

    auto* util = m_pHidUtil;
    return util != nullptr && util->deviceOutput (data, length);
}

void HidCtrl::finalize()
{
    const HidNotificationGuard guard (HidNotificationLock::instance());
    m_pHandler = nullptr;

    if (m_pHidUtil != nullptr)
    {
        m_pHidUtil->finalize();
        delete m_pHidUtil;
        m_pHidUtil = nullptr;
    }

    m_connected = 0;
}

// The notifications arrive from HidUtil with the notification lock held.
void HidCtrl::removalCallBack()
{
    m_connected = 0;
    m_version = 0;
    std::memset (m_inputData, 0, sizeof (m_inputData));
    m_inputLength = 0;

    if (auto* handler = m_pHandler)
    {
        // The handler may block (it stops the update thread, which may be
        // finalizing this link): call it unlocked, and touch nothing after.
        const ScopedNotificationUnlock unlocked;
        handler->removalCallBack();
    }
}

void HidCtrl::matchingCallBack()
{
    if (m_pHidUtil == nullptr)
        return;

    m_connected = 1;
    m_version = static_cast<int> (m_pHidUtil->deviceVersion());
    m_inputLength = m_pHidUtil->deviceInput (m_inputData, sizeof (m_inputData), 0);

    if (m_pHandler != nullptr)
        m_pHandler->matchingCallBack();
}

void HidCtrl::inputCallBack (int)
{
    if (m_pHidUtil == nullptr)
        return;

    uint8_t report[64];
    const auto length = m_pHidUtil->deviceInput (report, sizeof (report), 0);

    if (length == 0)
        return;

    std::memcpy (m_inputData, report, length);
    m_inputLength = length;

    if (m_pHandler != nullptr)
        m_pHandler->inputCallBack (0);
}
