#pragma once

#include <juce_graphics/juce_graphics.h>

namespace ui
{
// A font by the name the string tables give; a language without a name (none
// loaded yet) falls back to the default sans-serif face instead of an
// unnamed font.
inline juce::Font languageFont (const juce::String& name, float height, int style)
{
    return juce::Font (name.isNotEmpty() ? name : juce::Font::getDefaultSansSerifFontName(), height, style);
}
} // namespace ui
