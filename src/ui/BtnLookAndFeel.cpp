// The buttons' look: a pill with a vertical three-stop gradient and a darker
// outline; blue while pressed.
#include "CustomLookAndFeel.h"

namespace
{
constexpr float outlineThickness = 1.0f;

float edgeInset (bool connected)
{
    // Half the outline on a free edge keeps the stroke inside the button.
    return connected ? 0.1f : outlineThickness * 0.5f;
}

juce::Path pillPath (float x, float y, float width, float height, float cs,
                     bool flatOnLeft, bool flatOnRight, bool flatOnTop, bool flatOnBottom)
{
    const auto cs2 = 2.0f * cs;
    const auto pi = juce::MathConstants<float>::pi;
    juce::Path p;

    if (! (flatOnLeft || flatOnTop))
    {
        p.startNewSubPath (x, y + cs);
        p.addArc (x, y, cs2, cs2, 1.5f * pi, 2.0f * pi);
    }
    else
    {
        p.startNewSubPath (x, y);
    }

    if (! (flatOnRight || flatOnTop))
    {
        p.lineTo (x + width - cs, y);
        p.addArc (x + width - cs2, y, cs2, cs2, 0.0f, 0.5f * pi);
    }
    else
    {
        p.lineTo (x + width, y);
    }

    if (! (flatOnRight || flatOnBottom))
    {
        p.lineTo (x + width, y + height - cs);
        p.addArc (x + width - cs2, y + height - cs2, cs2, cs2, 0.5f * pi, pi);
    }
    else
    {
        p.lineTo (x + width, y + height);
    }

    if (! (flatOnLeft || flatOnBottom))
    {
        p.lineTo (x + cs, y + height);
        p.addArc (x, y + height - cs2, cs2, cs2, pi, 1.5f * pi);
    }
    else
    {
        p.lineTo (x, y + height);
    }

    p.closeSubPath();
    return p;
}

juce::ColourGradient fillGradient (const juce::Colour& colour, float y, float height, bool pressed)
{
    const auto top = pressed ? juce::Colour (0xFFB9C8F0u) : juce::Colours::white;
    const auto middle = pressed ? juce::Colour (0xFF529CE7u) : colour.darker (0.2f);
    const auto bottom = pressed ? juce::Colour (0xFF8CDEFDu) : juce::Colours::white;

    juce::ColourGradient gradient (top, 0.0f, y, bottom, 0.0f, y + height, false);
    gradient.addColour (0.5, middle);
    return gradient;
}
} // namespace

void BtnLookAndFeel::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& colour,
                                           bool, bool shouldDrawButtonAsDown)
{
    const auto left = button.isConnectedOnLeft();
    const auto right = button.isConnectedOnRight();
    const auto top = button.isConnectedOnTop();
    const auto bottom = button.isConnectedOnBottom();

    const auto x = edgeInset (left);
    const auto y = edgeInset (top);
    const auto width = (float) button.getWidth() - x - edgeInset (right);
    const auto height = (float) button.getHeight() - y - edgeInset (bottom);

    drawBackground (g, x, y, width, height, colour, outlineThickness, -1.0f,
                    left, right, top, bottom, shouldDrawButtonAsDown);
}

void BtnLookAndFeel::drawBackground (juce::Graphics& g, float x, float y, float width, float height,
                                     const juce::Colour& colour, float outline, float cornerSize,
                                     bool flatOnLeft, bool flatOnRight, bool flatOnTop, bool flatOnBottom,
                                     bool pressed)
{
    if (width <= outline || height <= outline)
        return;

    const auto cs = cornerSize < 0.0f ? juce::jmin (width * 0.5f, height * 0.5f) : cornerSize;
    const auto path = pillPath (x, y, width, height, cs, flatOnLeft, flatOnRight, flatOnTop, flatOnBottom);

    g.setGradientFill (fillGradient (colour, y, height, pressed));
    g.fillPath (path);

    g.setColour (colour.darker (0.7f));
    g.strokePath (path, juce::PathStrokeType (outline));
}
