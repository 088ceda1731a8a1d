#pragma once

#include <juce_graphics/juce_graphics.h>

namespace platform
{
// Resolves a requested font (a family name as the string tables and the
// look-and-feels give it, e.g. "Verdana", "STHeiti", "Hiragino Sans W5", plus
// the style flags) to a typeface loaded from the installed font file that
// fontconfig chooses for it: a family that has every glyph of the texts drawn
// with that name. Cached per family and style. Message thread.
// Never null: falls back to the framework's default typeface.
juce::Typeface::Ptr typefaceForFont (const juce::Font& font);
} // namespace platform
