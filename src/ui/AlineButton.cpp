#include "AlineButton.h"

AlineButton::AlineButton (const juce::String& caption) : juce::Button (caption)
{
    setButtonText (caption);
}

AlineButton::~AlineButton() = default;

void AlineButton::setButtonText (const juce::String& text) { juce::Button::setButtonText (text); }
void AlineButton::setFont (const juce::String& name) { fontName = name; }
void AlineButton::setStyle (const int& style) { fontStyle = style; }
bool AlineButton::keyPressed (const juce::KeyPress&) { return false; }
void AlineButton::paintButton (juce::Graphics&, bool, bool) {}
