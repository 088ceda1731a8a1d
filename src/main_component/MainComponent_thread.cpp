// The update thread: the phase machine, the checks of the first phase, the
// begin, finish and completion steps. The block transfer is in
// MainComponent_transfer.cpp.
#include "MainComponent.h"

void MainComponent::run()
{
    while (! threadShouldExit())
    {
        triggerRedraw();
        wait (waitMs);
        curUpdKind = updKind;

        auto exit = performStep (updState.load());
        if (exit == StepExit::settle)
            exit = settle();
        if (exit == StepExit::stop)
            stopFromWithin();
    }
}

MainComponent::StepExit MainComponent::performStep (int32_t state)
{
    switch (state)
    {
        case UPD_INIT:          return runChecks();
        case UPD_READY:         return StepExit::settle;
        case UPD_BEGIN:         return sendBegin();
        case UPD_BLOCK_HEAD:    return sendBlockHead();
        case UPD_BLOCK_DATA:    return sendBlockData();
        case UPD_BLOCK_SUM:     return sendBlockSum();
        case UPD_BLOCK_WAIT:    return pollBlockStatus();
        case UPD_COMPLETE:      return completeUpdate();
        default:
            // An error ID is final (0x0E37 above all); any other value is unexpected.
            return isErrorState (state) ? StepExit::stop : recordAndStop (ERR_UNEXPECTED);
    }
}

MainComponent::StepExit MainComponent::settle()
{
    const auto state = updState.load();
    if (state == UPD_FINISH)
        return finishUpdate();
    if (state == UPD_COMPLETE)
        return completeUpdate();
    return isErrorState (state) ? StepExit::stop : StepExit::next;
}

void MainComponent::stopFromWithin()
{
    triggerRedraw();
    signalThreadShouldExit();
}

MainComponent::StepExit MainComponent::recordAndStop (int32_t errorId)
{
    recordError (errorId);
    return StepExit::stop;
}

MainComponent::StepExit MainComponent::moveTo (int32_t phase)
{
    return setStateUnlessRemoved (phase) ? StepExit::next : StepExit::stop;
}

MainComponent::StepExit MainComponent::runChecks()
{
    // updState changes once, at the end: the screens never see an error that
    // a later step of this phase would replace.
    if (! CheckDeviceMode())
        return StepExit::settle;

    CheckUpdFile();
    if (isErrorState (updState.load()))
        return StepExit::settle;

    if (updFileStatus == 8 && ! CheckDeviceVersion())
        return StepExit::settle;
    if (threadShouldExit())
        return StepExit::next;

    for (const auto& record : updFiles)
        if (record.state == 2)
            totalUpdSize += record.size;

    if (totalUpdSize > 0)
        return moveTo (UPD_READY);

    // Nothing to write: a rejected version text of the controller explains it.
    return recordAndStop (deviceVersionTextRejected ? ERR_DEV_VERSION : ERR_UNEXPECTED);
}

MainComponent::StepExit MainComponent::sendBegin()
{
    requestedProgressColour = 0xFFC83296u;

    updKind = 0;
    while (updKind < 3 && updFiles[updKind].state != 2)
        ++updKind;
    if (updKind == 3)
        return recordAndStop (ERR_UNEXPECTED);

    // Where the begin command points depends on the first image to be written.
    int64_t address = 0x1D0000, length = 0x10000;
    if (updKind == 0)
        mainFwUpdating = true;
    else if (updKind == 1)
        length = 0x1000;
    else
        address = length = 0;

    beginRequest (updFiles[updKind].target, CMD_BEGIN);
    putAddressAndLength (address, length);
    return exchangeForOk (UPD_BLOCK_HEAD);
}

bool MainComponent::exchangeToJudge (StepExit& exitOtherwise)
{
    if (! SendDataAndWaitResponse())
    {
        exitOtherwise = recordAndStop (ERR_NO_RESPONSE);
        return false;
    }
    if (threadShouldExit())
    {
        exitOtherwise = StepExit::next;
        return false;
    }

    // An answer that did not echo the target was recorded by the exchange and
    // ends the step here, before a later phase could replace the error.
    if (isErrorState (updState.load()))
    {
        exitOtherwise = StepExit::stop;
        return false;
    }
    return true;
}

MainComponent::StepExit MainComponent::exchangeForOk (int32_t nextPhase)
{
    auto exit = StepExit::stop;
    if (! exchangeToJudge (exit))
        return exit;
    return response[1] == RSP_OK ? moveTo (nextPhase) : recordAndStop (ERR_UNEXPECTED);
}

MainComponent::StepExit MainComponent::finishUpdate()
{
    if (threadShouldExit() || updState.load() == ERR_REMOVED)
        return StepExit::stop;

    progress = 1.0;
    beginRequest (TGT_SYSTEM, CMD_FINISH);
    hidCtrl->sendData (outPacket.bytes, UpdatePacket::size);
    return moveTo (UPD_COMPLETE);
}

MainComponent::StepExit MainComponent::completeUpdate()
{
    // Device notifications run on the message thread, so the controller is
    // released there too, never under a notification in progress.
    if (osType > lastOsTypeReleasedByDestructor)
        controllerRelease.trigger();

    stopFromWithin();
    updFinished = 1;
    return StepExit::next;
}

void MainComponent::releaseController()
{
    if (hidCtrl != nullptr)
    {
        hidCtrl->finalize();
        hidCtrl.reset();
    }
}
