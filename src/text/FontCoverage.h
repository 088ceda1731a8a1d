#pragma once

#include "StrRes.h"

// Tells the font resolver, for every language, that its texts and its own
// name in the language menu are drawn with its font name from the given row,
// so that each name resolves to an installed font with all their glyphs.
void declareFontCoverage (const juce::String (&fontRow)[LANG_MAX]);
