#include "CustomLookAndFeel.h"

namespace juce
{
void LangLookAndFeel::drawPopupMenuItem (Graphics& g, const Rectangle<int>& area, bool isSeparator, bool isActive,
                                         bool isHighlighted, bool isTicked, bool hasSubMenu, const String& text,
                                         const String& shortcutKeyText, const Drawable* icon, const Colour* textColour)
{
    LookAndFeel_V2::drawPopupMenuItem (g, area, isSeparator, isActive, isHighlighted, isTicked, hasSubMenu, text,
                                       shortcutKeyText, icon, textColour);
}

Font LangLookAndFeel::getComboBoxFont (ComboBox& box) { return LookAndFeel_V2::getComboBoxFont (box); }
} // namespace juce

void ProgressLookAndFeel::drawProgressBar (juce::Graphics& g, juce::ProgressBar& bar, int width, int height,
                                           double progress, const juce::String& text)
{
    LookAndFeel_V2::drawProgressBar (g, bar, width, height, progress, text);
}

void BtnLookAndFeel::drawButtonBackground (juce::Graphics& g, juce::Button& b, const juce::Colour& c, bool over, bool down)
{
    LookAndFeel_V2::drawButtonBackground (g, b, c, over, down);
}

void BtnLookAndFeel::drawBackground (juce::Graphics&, float, float, float, float, const juce::Colour&, float, float,
                                     bool, bool, bool, bool, bool)
{
}
