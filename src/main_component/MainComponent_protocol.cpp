// The request/response exchange with the controller.
#include "MainComponent.h"

bool MainComponent::SendDataAndWaitResponse()
{
    return false;
}

void MainComponent::inputCallBack (int)
{
}
