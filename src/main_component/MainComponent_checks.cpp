// The controller's mode and version checks.
#include "MainComponent.h"

#include "UpdateFileFormat.h"
#include "UpdateResponses.h"

bool MainComponent::CheckDeviceMode()
{
    beginRequest (TGT_SYSTEM, CMD_GET_MODE);
    if (! SendDataAndWaitResponse())
    {
        recordError (ERR_NO_RESPONSE);
        return false;
    }

    // An exit request, or an answer the exchange already judged, ends the check.
    if (threadShouldExit())
        return false;
    if (isErrorState (updState.load()))
    {
        deviceMode = 0;
        return false;
    }

    int32_t error = 0;
    deviceMode = updproto::modeFromAnswer (response, &error);
    if (error != 0)
        recordError (error);
    return deviceMode != 0;
}

bool MainComponent::CheckDeviceVersion()
{
    deviceVersionTextRejected = false;

    beginRequest (TGT_SYSTEM, CMD_GET_VERSION);
    if (! SendDataAndWaitResponse())
    {
        recordError (ERR_NO_RESPONSE);
        return false;
    }
    if (threadShouldExit() || isErrorState (updState.load()))
        return false;

    if (response[1] != RSP_VERSION)
    {
        recordError (ERR_UNEXPECTED);
        return false;
    }

    const auto answer = updproto::readVersionAnswer (response);
    devDate = answer.date;
    if (! answer.dateWithinBounds)
    {
        recordError (ERR_DEV_VERSION);
        return false;
    }

    if (devDate == updFileDate)
    {
        updFiles[0].state = 3;
        updFiles[2].size = updfile::image2ShortSize;
    }
    else
    {
        updFiles[0].state = 2;
        requestedProgressColour = 0xFFC83296u;
    }

    devVersion = answer.version;
    if (CheckSysVer (devVersion))
    {
        updFiles[1].state = 2;
        updFiles[2].state = 2;
    }
    else
    {
        // Not published here: the checks' one outcome is decided by the caller,
        // which reports 0x0E11 only when this leaves nothing to write.
        deviceVersionTextRejected = true;
    }
    return true;
}
