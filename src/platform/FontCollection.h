#pragma once

#include <juce_core/juce_core.h>

namespace platform
{
// The bytes of one face of a font file, in a form whose first face is the
// one asked for: the framework loads only face 0 of data in memory, so for a
// face further into a collection (.ttc) the collection header is rewritten
// to list that face first. Empty if the file cannot be read or has no such
// face.
juce::MemoryBlock loadFontFace (const juce::File& file, int index);
} // namespace platform
