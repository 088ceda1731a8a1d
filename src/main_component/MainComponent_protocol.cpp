// The request/response exchange with the controller.
#include "MainComponent.h"

#include "UpdateResponses.h"

namespace
{
constexpr int responseTimeoutMs = 10000;
constexpr int pauseAfterExchangeMs = 6;
}

bool MainComponent::SendDataAndWaitResponse()
{
    bool answered = true;

    // After an exit request or a recorded removal nothing goes out any more.
    if (! threadShouldExit() && updState.load() != ERR_REMOVED)
    {
        hidCtrl->sendData (outPacket.bytes, UpdatePacket::size);

        // The event resets itself when a wait succeeds.
        if (responseEvent.wait (responseTimeoutMs))
        {
            inPacket.copyTo (response);
            if (updproto::exchangeFault (outPacket, response))
                recordError (ERR_UNEXPECTED);
        }
        else
        {
            answered = false;
        }
    }

    if (sendPause)
        juce::Thread::sleep (pauseAfterExchangeMs);

    return answered;
}

void MainComponent::inputCallBack (int)
{
    if (hidCtrl == nullptr)
        return;

    const auto n = (int) std::min<size_t> (hidCtrl->m_inputLength, UpdatePacket::size);
    if (n <= 0)
        return;

    inPacket.store (hidCtrl->m_inputData, (size_t) n);
    std::memset (hidCtrl->m_inputData, 0, sizeof (hidCtrl->m_inputData));

    if (isThreadRunning())
        responseEvent.signal();
}

void MainComponent::beginRequest (uint8_t target, uint8_t command) noexcept
{
    outPacket.clear();
    outPacket[0] = target;
    outPacket[1] = command;
}

void MainComponent::putAddressAndLength (int64_t address, int64_t length) noexcept
{
    updproto::putLittleEndian32 (outPacket, 2, (uint32_t) address);
    outPacket[6] = 0xFF;
    updproto::putLittleEndian32 (outPacket, 7, (uint32_t) length);
}
