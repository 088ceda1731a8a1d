// The updater's button: its own look, the caption in the language's font, and
// a Return-key click that fires only once the key is released.
#include "AlineButton.h"

#include "LanguageFont.h"

namespace
{
const juce::Colour captionColour (0xFF101010u);

bool isPlainReturn (const juce::KeyPress& key)
{
    const auto modifiers = juce::ModifierKeys::shiftModifier | juce::ModifierKeys::ctrlModifier
                           | juce::ModifierKeys::altModifier | juce::ModifierKeys::commandModifier;
    return key.getKeyCode() == juce::KeyPress::returnKey
           && ! key.getModifiers().testFlags (modifiers);
}
} // namespace

AlineButton::AlineButton (const juce::String& caption)
    : juce::Button (caption),
      btnLookAndFeel (std::make_unique<BtnLookAndFeel>()),
      fontName (juce::Font::getDefaultSansSerifFontName())
{
    juce::Button::setButtonText (caption);
    setLookAndFeel (btnLookAndFeel.get());
    setColour (juce::TextButton::buttonColourId, juce::Colours::white);
    setColour (juce::TextButton::buttonOnColourId, juce::Colours::white);
}

AlineButton::~AlineButton()
{
    // The look-and-feel must outlive every use by this button.
    setLookAndFeel (nullptr);
}

void AlineButton::setButtonText (const juce::String& text)
{
    if (text == getButtonText())
        repaint();
    else
        juce::Button::setButtonText (text);
}

void AlineButton::setFont (const juce::String& name)
{
    fontName = name;
}

void AlineButton::setStyle (const int& style)
{
    fontStyle = style;
}

bool AlineButton::keyPressed (const juce::KeyPress& key)
{
    if (! isPlainReturn (key))
        return false;

    returnDown = true;
    repaint();
    return true;
}

void AlineButton::paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown)
{
    const auto pressedLook = returnDown || shouldDrawButtonAsDown;
    const auto colour = findColour (getToggleState() ? juce::TextButton::buttonOnColourId
                                                     : juce::TextButton::buttonColourId);
    getLookAndFeel().drawButtonBackground (g, *this, colour, shouldDrawButtonAsHighlighted, pressedLook);

    const auto height = (float) getHeight();
    g.setFont (ui::languageFont (fontName, juce::jmin (0.8f * height, 13.0f), fontStyle));
    g.setColour (captionColour);
    g.drawFittedText (getButtonText(), 4, 4, getWidth() - 8, getHeight() - 8,
                      juce::Justification (captionJustification), 1, 0.0f);

    if (hasKeyboardFocus (true))
    {
        const auto width = (float) getWidth();
        g.setColour (juce::Colours::grey);
        g.drawRect (juce::Rectangle<float> (0.05f * width, 0.15f * height, 0.9f * width, 0.7f * height), 0.5f);
    }

    followReturnKey();
}

void AlineButton::followReturnKey()
{
    // While Return is held the pressed look stays; the click goes out on
    // release. Only a press on this button is followed, so a key held
    // elsewhere neither repaints this button nor queries the keyboard.
    if (! returnDown)
        return;

    if (juce::KeyPress::isKeyCurrentlyDown (juce::KeyPress::returnKey))
    {
        repaint();
    }
    else
    {
        returnDown = false;
        triggerClick();
    }
}
