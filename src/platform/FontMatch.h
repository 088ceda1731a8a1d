#pragma once

#include "FontResolver.h"

#include <set>

namespace platform
{
// What a font must offer: the family asked for, the languages it draws
// (fontconfig picks their regional glyph forms) and the characters it must
// have.
struct FontRequest
{
    juce::String family;
    juce::StringArray languages;
    std::set<juce::juce_wchar> characters;
    bool bold = false;
    bool italic = false;
};

// Asks fontconfig for the installed outline fonts in order of preference
// and takes the first that has every requested character; if none has them
// all, the one that misses fewest.
FontFace matchFontFace (const FontRequest& request);
} // namespace platform
