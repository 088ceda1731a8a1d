// MainComponent's life cycle, its status writes and its device-event handlers.
#include "MainComponent.h"

#include "../platform/ExecutableLocation.h"
#include "../platform/OsVersion.h"
#include "../text/Loader.h"

MainComponent::MainComponent()
    : juce::Thread ("UpdatingThread"),
      updateFileDirectory (platform::runningExecutableFile().getParentDirectory())
{
    buildControls();

    // Not checked: with no controller attached the link reports "not connected"
    // until one arrives, and OK refuses to start the thread meanwhile.
    hidCtrl = std::make_unique<HidCtrl>();
    hidCtrl->initialize (this, 1);

    overrideOsType (platform::currentOsTypeCode());
}

MainComponent::~MainComponent()
{
    // The system's quit command can arrive while an update runs: the thread
    // must be gone before any member it uses.
    if (isThreadRunning())
        stopUpdateThread();
    cancelPendingUpdate();

    destroyControls();

    // Up to 0x10E the controller is always released here. From 0x10F a
    // completed update has released it already; after an update that did not
    // complete it is released here as well, rather than left open with a
    // notification able to reach a destroyed component.
    releaseController();

    TxtLoader::releaseInstance();
}

bool MainComponent::setStateUnlessRemoved (int32_t state)
{
    auto current = updState.load();
    do
    {
        if (current == ERR_REMOVED)
            return false;
    } while (! updState.compare_exchange_weak (current, state));
    return true;
}

void MainComponent::overrideOsType (uint16_t code)
{
    osType = code;
    sendPause = code <= lastOsTypeWithPause;
}

void MainComponent::setUpdateFileDirectory (const juce::File& directory)
{
    updateFileDirectory = directory;
}

void MainComponent::triggerRedraw()
{
    const juce::ScopedLock sl (drawLock);
    triggerAsyncUpdate();
}

void MainComponent::stopUpdateThread()
{
    signalThreadShouldExit();
    notify();
    responseEvent.signal();
    stopThread (5000);
}

void MainComponent::handleAsyncUpdate()
{
    const juce::ScopedLock sl (drawLock);
    UpdateDrawing();
}

void MainComponent::removalCallBack()
{
    // Only phases 1..6 record the removal; the compare-and-set keeps a phase
    // the update thread moved on to outside that range (completion) intact.
    auto current = updState.load();
    for (;;)
    {
        if (current < UPD_READY || current > UPD_BLOCK_WAIT)
            return;
        if (updState.compare_exchange_weak (current, ERR_REMOVED))
            break;
    }

    wait (100);
    responseEvent.signal();
    if (isThreadRunning())
        stopThread (5000);
    triggerRedraw();
}

void MainComponent::matchingCallBack()
{
    // The device controller records the new connection itself.
}
