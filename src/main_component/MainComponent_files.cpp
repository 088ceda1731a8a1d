// Finding and checking the update file.
#include "MainComponent.h"

void MainComponent::CheckUpdFile()
{
}

int MainComponent::ParseUpdFile (const juce::File&, int, uint32_t*, juce::String&)
{
    return ERR_FILE_MISSING;
}

bool MainComponent::CheckSysVer (juce::String&)
{
    return false;
}

uint16_t MainComponent::CalcCRC (const uint8_t*, int64_t)
{
    return 0;
}
