// Where the text blocks of a screen go.
#include "ScreenTextLayout.h"

#include "LanguageFont.h"

namespace ui
{
namespace
{
void addBlock (juce::GlyphArrangement& glyphs, const juce::String& fontName, bool bold, const juce::String& text,
               juce::Rectangle<float> box)
{
    if (text.isEmpty())
        return;
    const auto font = languageFont (fontName, screenFontHeight, bold ? juce::Font::bold : juce::Font::plain);
    const auto maxLines = (int) (box.getHeight() / screenFontHeight);
    glyphs.addFittedText (font, text, box.getX(), box.getY(), box.getWidth(), box.getHeight(),
                          juce::Justification::topLeft, maxLines, 0.0f);
}

// The bottom of what is laid out so far, whitespace included, so that the
// line feeds that end a head leave their empty line above the body.
float bottomOfGlyphs (const juce::GlyphArrangement& glyphs, float fallback)
{
    const auto n = glyphs.getNumGlyphs();
    if (n < 2)
        return fallback;
    return glyphs.getBoundingBox (1, n - 1, true).getBottom();
}
} // namespace

juce::Rectangle<float> headBox (int width, int height)
{
    return { 20.0f, 20.0f, (float) (width - 40), (float) (height - 20) };
}

juce::Rectangle<float> bodyBox (int width, int height, float top)
{
    return { 40.0f, top, (float) (width - 60), (float) height - top };
}

juce::Rectangle<float> errorBox (int width, int height)
{
    return { 105.0f, 20.0f, (float) (width - 125), (float) (height - 20) };
}

void layoutScreenText (juce::GlyphArrangement& glyphs, const ScreenTexts& texts, const juce::String& fontName,
                       int width, int height)
{
    const auto head = headBox (width, height);
    addBlock (glyphs, fontName, texts.headBold, texts.head, head);
    if (texts.body.isNotEmpty())
        addBlock (glyphs, fontName, false, texts.body, bodyBox (width, height, bottomOfGlyphs (glyphs, head.getY())));
    addBlock (glyphs, fontName, false, texts.error, errorBox (width, height));
}
} // namespace ui
