// The progress bar's look: a frame in the background colour, a grey gradient
// fill and the percentage in white. The foreground colour is never drawn.
#include "CustomLookAndFeel.h"

void ProgressLookAndFeel::drawProgressBar (juce::Graphics& g, juce::ProgressBar& bar, int width, int height,
                                           double progress, const juce::String& textToShow)
{
    g.fillAll (bar.findColour (juce::ProgressBar::backgroundColourId));

    juce::ColourGradient fill (juce::Colour (0xFFA7A7A7u), 2.0f, 2.0f,
                               juce::Colour (0xFF6C6C6Cu), 2.0f, (float) (height - 4), false);
    fill.addColour (0.5, juce::Colour (0xFF646464u));
    g.setGradientFill (fill);

    // Not rounded to whole pixels; a product out of range is clamped.
    const auto innerWidth = (double) (width - 4);
    const auto fillWidth = juce::jlimit (0.0, juce::jmax (0.0, innerWidth), progress * innerWidth);
    g.fillRect (juce::Rectangle<float> (2.0f, 2.0f, (float) fillWidth, (float) (height - 4)));

    if (textToShow.isNotEmpty())
    {
        g.setColour (juce::Colours::white);
        g.setFont ((float) height * 0.8f);
        g.drawText (textToShow, 0, 0, width, height, juce::Justification::centred, false);
    }
}
