#pragma once

#include "HidHandler.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

class HidUtil;

// The device controller the main component owns: attaches the KRV-TM40 through
// HidUtil, keeps the connection flag and a copy of the last input report, and
// passes every notification on to its own handler.
class HidCtrl : public HidHandler
{
public:
    HidCtrl();
    ~HidCtrl() override;

    bool initialize (HidHandler* handler, int deviceType);
    bool sendData (const uint8_t* data, size_t length);
    void finalize();

    void removalCallBack() override;
    void matchingCallBack() override;
    void inputCallBack (int) override;

    HidHandler* m_pHandler = nullptr;
    HidUtil* m_pHidUtil = nullptr;
    std::atomic<int> m_connected { 0 };   // read by the update thread in sendData
    int m_version = 0;
    uint8_t m_inputData[64] = {};
    size_t m_inputLength = 0;
};
