#include <gtest/gtest.h>

#include "src/platform/FontResolver.h"
#include "src/text/Loader.h"

#include <fontconfig/fontconfig.h>
#include <fontconfig/fcfreetype.h>

namespace
{
juce::String allTextsOf (LangIdTable_t language)
{
    auto text = StrRes::LANGUAGE_SELECTION[language];

    for (int id = NULL_STR; id < STR_MAX; ++id)
        text += StrRes::TEXTS[id][language];

    return text;
}

// The characters of the text that the font file's own character map lacks,
// as fontconfig reads it from the file.
juce::String missingCharacters (const platform::FontFace& face, const juce::String& text)
{
    int count = 0;
    FcBlanks* blanks = nullptr;
    FcPattern* pattern = FcFreeTypeQuery (reinterpret_cast<const FcChar8*> (face.file.getFullPathName().toRawUTF8()),
                                          static_cast<unsigned int> (face.index), blanks, &count);
    if (pattern == nullptr)
        return "<unreadable font " + face.file.getFullPathName() + ">";

    FcCharSet* charSet = nullptr;
    FcPatternGetCharSet (pattern, FC_CHARSET, 0, &charSet);
    juce::String missing;

    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
        if (charSet == nullptr || ! FcCharSetHasChar (charSet, static_cast<FcChar32> (*p)))
            missing += *p;

    FcPatternDestroy (pattern);
    return missing;
}

class FontCoverageTest : public ::testing::Test
{
protected:
    void SetUp() override { TxtLoader::createInstance(); }
    void TearDown() override { TxtLoader::releaseInstance(); }
};

const LangIdTable_t allLanguages[] = { LANG_EN, LANG_FR, LANG_DE, LANG_ES, LANG_IT, LANG_NL,
                                       LANG_RU, LANG_PT, LANG_ZH_HANS, LANG_ZH_HANT, LANG_KO, LANG_JA };
} // namespace

// Needs the fonts the setup script installs.
TEST_F (FontCoverageTest, EachLanguagesFontHasEveryCharacterOfItsTexts)
{
    for (auto language : allLanguages)
    {
        const auto& name = TxtLoader::getInstance()->getFont (language);

        for (bool bold : { false, true })
        {
            const auto face = platform::resolveFontFace (name, bold, false);
            ASSERT_TRUE (face.file.existsAsFile()) << name;
            EXPECT_EQ (juce::String(), missingCharacters (face, allTextsOf (language)))
                << name << (bold ? " bold" : "") << " -> " << face.family << " " << face.file.getFullPathName();
        }
    }
}

// The default typeface of the whole application draws whatever has no font
// of its own, in any language.
TEST_F (FontCoverageTest, DefaultTypefaceCoversEveryLanguage)
{
    const auto face = platform::resolveFontFace ("Hiragino Maru Gothic Pro W4", false, false);
    ASSERT_TRUE (face.file.existsAsFile());

    for (auto language : allLanguages)
        EXPECT_EQ (juce::String(), missingCharacters (face, allTextsOf (language) + "0123456789%")) << face.family;
}

// Where the texts share a font name, each is drawn in its own regional forms.
TEST_F (FontCoverageTest, ChineseFontNameServesSimplifiedFirst)
{
    const auto face = platform::resolveFontFace ("STHeiti", false, false);
    EXPECT_TRUE (face.family.contains ("SC")) << face.family;
}

namespace
{
juce::String outlineOf (juce::Typeface& typeface, juce::juce_wchar c)
{
    juce::Array<int> glyphs;
    juce::Array<float> offsets;
    typeface.getGlyphPositions (juce::String::charToString (c), glyphs, offsets);
    juce::Path path;

    if (! glyphs.isEmpty())
        typeface.getOutlineForGlyph (glyphs[0], path);

    return path.toString();
}

int darkPixels (const juce::Image& image, juce::Rectangle<int> area)
{
    int dark = 0;
    const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readOnly);
    area = area.getIntersection (image.getBounds());

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            dark += pixels.getPixelColour (x, y).getBrightness() < 0.5f ? 1 : 0;

    return dark;
}
} // namespace

// Draws a text as the screens do and looks at every character: it has a
// glyph of its own (not the font's missing-glyph box) and ink where it is.
TEST_F (FontCoverageTest, RenderedTextsHaveTheirGlyphs)
{
    struct Case { LangIdTable_t language; StrIdTable_t id; };
    const Case cases[] = { { LANG_JA, STR_0006 }, { LANG_KO, STR_0007 }, { LANG_ZH_HANS, STR_0013 }, { LANG_RU, STR_0013 } };

    for (const auto& c : cases)
    {
        auto* loader = TxtLoader::getInstance();
        loader->setLocale (c.language);
        const auto& text = loader->getString (c.id);
        const juce::Font requested (loader->getFont(), 24.0f, juce::Font::bold);
        auto typeface = platform::typefaceForFont (requested);
        ASSERT_NE (nullptr, typeface);
        const auto missingGlyph = outlineOf (*typeface, 0x10FFFD); // a private-use code no font maps

        juce::Font font (typeface);
        font.setHeight (24.0f);
        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (font, text, 4.0f, 30.0f);

        juce::Image image (juce::Image::RGB, 1200, 44, true);
        {
            juce::Graphics g (image);
            g.fillAll (juce::Colours::white);
            g.setColour (juce::Colours::black);
            glyphs.draw (g);
        }

        for (int i = 0; i < glyphs.getNumGlyphs(); ++i)
        {
            const auto& glyph = glyphs.getGlyph (i);

            if (glyph.isWhitespace())
                continue;

            const auto c32 = glyph.getCharacter();
            EXPECT_NE (missingGlyph, outlineOf (*typeface, c32)) << "U+" << juce::String::toHexString ((int) c32) << " in " << text;
            EXPECT_GT (darkPixels (image, glyph.getBounds().getSmallestIntegerContainer()), 0)
                << "U+" << juce::String::toHexString ((int) c32) << " in " << text;
        }
    }
}
