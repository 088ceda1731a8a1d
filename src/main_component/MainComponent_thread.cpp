// The update thread: the phase machine.
#include "MainComponent.h"

void MainComponent::run()
{
}
