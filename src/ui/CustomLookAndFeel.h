#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace juce
{
// Language selector and its menu: every language name in its own font. As the
// application's default look-and-feel it also resolves every font by name.
class LangLookAndFeel : public LookAndFeel_V2
{
public:
    void drawPopupMenuItem (Graphics&, const Rectangle<int>& area, bool isSeparator, bool isActive,
                            bool isHighlighted, bool isTicked, bool hasSubMenu, const String& text,
                            const String& shortcutKeyText, const Drawable* icon,
                            const Colour* textColour) override;
    Font getComboBoxFont (ComboBox&) override;
    Typeface::Ptr getTypefaceForFont (const Font&) override;

    // Hides the base's setter so that the name can be resolved like any other.
    void setDefaultSansSerifTypefaceName (const String& newName);

    // A language's name in that language's font; any other item text in the
    // popup menu's font.
    Font getMenuItemFont (const String& text);

private:
    String sansSerifName;
};
} // namespace juce

// Grey-gradient progress bar with a white percentage.
class ProgressLookAndFeel : public juce::LookAndFeel_V2
{
public:
    void drawProgressBar (juce::Graphics&, juce::ProgressBar&, int width, int height, double progress,
                          const juce::String& textToShow) override;
};

// Pill-shaped gradient button background.
class BtnLookAndFeel : public juce::LookAndFeel_V2
{
public:
    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& backgroundColour,
                               bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    void drawBackground (juce::Graphics&, float x, float y, float width, float height,
                         const juce::Colour& colour, float outlineThickness, float cornerSize,
                         bool flatOnLeft, bool flatOnRight, bool flatOnTop, bool flatOnBottom,
                         bool pressed);
};
