#include "FontResolver.h"

namespace platform
{
juce::Typeface::Ptr typefaceForFont (const juce::Font& font)
{
    return juce::Font::getDefaultTypefaceForFont (font);
}
} // namespace platform
