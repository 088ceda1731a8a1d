#include "HidCtrl.h"

HidCtrl::HidCtrl() = default;
HidCtrl::~HidCtrl() { finalize(); }

bool HidCtrl::initialize (HidHandler* handler, int)
{
    m_pHandler = handler;
    m_connected = 0;
    return false;
}

bool HidCtrl::sendData (const uint8_t*, size_t) { return false; }
void HidCtrl::finalize() { m_pHandler = nullptr; m_connected = 0; }
void HidCtrl::removalCallBack() {}
void HidCtrl::matchingCallBack() {}
void HidCtrl::inputCallBack (int) {}
