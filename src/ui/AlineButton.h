#pragma once

#include "CustomLookAndFeel.h"

#include <memory>

// The updater's button: own look-and-feel, caption font per language, and a
// Return-key click fired when the key is released.
class AlineButton : public juce::Button
{
public:
    explicit AlineButton (const juce::String& caption);
    ~AlineButton() override;

    void setButtonText (const juce::String& text);
    void setFont (const juce::String& name);
    void setStyle (const int& style);
    const juce::String& getFontName() const noexcept { return fontName; }

    bool keyPressed (const juce::KeyPress& key) override;

protected:
    void paintButton (juce::Graphics&, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    void followReturnKey();

    std::unique_ptr<BtnLookAndFeel> btnLookAndFeel;
    int captionJustification = juce::Justification::centred;
    juce::String fontName;
    int fontStyle = juce::Font::plain;
    bool returnDown = false;
};
