#pragma once

#include "ScreenTexts.h"

#include <juce_graphics/juce_graphics.h>

namespace ui
{
constexpr float screenFontHeight = 13.0f;

// The three text boxes of a screen of the given size.
juce::Rectangle<float> headBox (int width, int height);
juce::Rectangle<float> bodyBox (int width, int height, float top);
juce::Rectangle<float> errorBox (int width, int height);

// Lays the blocks of a screen out into glyphs, in the language's font: the
// head at the top, the body indented under the head's last line, the error
// text right of the warning icon.
void layoutScreenText (juce::GlyphArrangement& glyphs, const ScreenTexts& texts, const juce::String& fontName,
                       int width, int height);
} // namespace ui
