#pragma once

#include "../text/Loader.h"

#include <cstdint>

namespace ui
{
// What a screen depends on. Two equal values give the same screen, so a
// rebuild with unchanged inputs can be skipped. The version and file fields
// are only filled in the states that show them.
struct ScreenInputs
{
    int32_t state = 0;
    int language = -1;
    int32_t fileStatus = 0;
    int32_t fileKind = 0;
    juce::String devVersion;
    juce::String fileVersion;
    int32_t curUpdKind = 0;
    bool mainFwUpdating = false;
    int width = 0;
    int height = 0;
    const void* titleHolder = nullptr;

    bool operator== (const ScreenInputs& other) const;
    bool operator!= (const ScreenInputs& other) const { return ! operator== (other); }
};

// The text blocks of one screen: a head (bold unless stated), a body placed
// under it, and an error text beside the warning icon.
struct ScreenTexts
{
    juce::String head;
    bool headBold = true;
    juce::String body;
    juce::String error;
};

// The last line of the error screens that show the ID: "0x" and four
// upper-case hexadecimal digits.
juce::String errorIdLine (int32_t errorId);

// The error IDs whose screen is the recovery text (every one from the
// controller's side, i.e. all but the update-file errors and "not connected").
bool isRecoveryState (int32_t state);

ScreenTexts screenTextsFor (const ScreenInputs& inputs, TxtLoader& texts);
} // namespace ui
