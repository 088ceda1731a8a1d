// The controller's mode and version checks.
#include "MainComponent.h"

bool MainComponent::CheckDeviceMode()
{
    return false;
}

bool MainComponent::CheckDeviceVersion()
{
    return false;
}
