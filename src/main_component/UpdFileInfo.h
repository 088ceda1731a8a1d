#pragma once

#include <juce_core/juce_core.h>

// One firmware image of the update file.
struct UpdFileInfo
{
    juce::File file;
    int64_t size = 0;
    int64_t fileOffset = 0;
    int64_t destAddress = 0;
    int32_t state = 0;
    uint8_t target = 0;
};
