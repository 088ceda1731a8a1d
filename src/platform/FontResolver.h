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

// Declares that text of the given language (a language code such as "ru" or
// "zh-Hant") is drawn with the named family, so that the family resolved for
// that name has every character of it. A name that was never declared gets a
// font covering everything declared for any name.
void requireCoverage (const juce::String& family, const juce::String& language, const juce::String& text);

// One face of an installed font file: the collection index matters for .ttc.
struct FontFace
{
    juce::File file;
    int index = 0;
    juce::String family;
};

// The face typefaceForFont loads for this family and style; an empty file
// when fontconfig offers no outline font at all.
FontFace resolveFontFace (const juce::String& family, bool bold, bool italic);
} // namespace platform
