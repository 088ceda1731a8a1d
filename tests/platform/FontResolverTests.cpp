#include <gtest/gtest.h>

#include "src/platform/FontCollection.h"
#include "src/platform/FontResolver.h"

// These tests need the fonts the setup script installs.
namespace
{
const juce::File cjkCollection ("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc");

juce::String familyOfFace (int index)
{
    const auto data = platform::loadFontFace (cjkCollection, index);

    if (data.isEmpty())
        return {};

    auto typeface = juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());
    return typeface != nullptr ? typeface->getName() : juce::String();
}

bool hasOwnGlyph (juce::Typeface& typeface, juce::juce_wchar c)
{
    auto outline = [&typeface] (juce::juce_wchar ch)
    {
        juce::Array<int> glyphs;
        juce::Array<float> offsets;
        typeface.getGlyphPositions (juce::String::charToString (ch), glyphs, offsets);
        juce::Path path;
        typeface.getOutlineForGlyph (glyphs[0], path);
        return path.toString();
    };

    return outline (c) != outline (0x10FFFD);
}
} // namespace

TEST (FontCollection, LoadsTheAskedFaceOfACollectionAsItsFirst)
{
    ASSERT_TRUE (cjkCollection.existsAsFile());
    EXPECT_EQ (juce::String ("Noto Sans CJK JP"), familyOfFace (0));
    EXPECT_EQ (juce::String ("Noto Sans CJK KR"), familyOfFace (1));
    EXPECT_EQ (juce::String ("Noto Sans CJK SC"), familyOfFace (2));
    EXPECT_EQ (juce::String ("Noto Sans CJK TC"), familyOfFace (3));
}

TEST (FontCollection, RefusesFacesThatAreNotThere)
{
    EXPECT_TRUE (platform::loadFontFace (cjkCollection, 1000).isEmpty());
    EXPECT_TRUE (platform::loadFontFace (cjkCollection, -1).isEmpty());
    EXPECT_TRUE (platform::loadFontFace (juce::File ("/nonexistent/font.ttc"), 0).isEmpty());

    const auto plain = juce::File::createTempFile (".ttf");
    plain.replaceWithText ("not a collection");
    EXPECT_FALSE (platform::loadFontFace (plain, 0).isEmpty());
    EXPECT_TRUE (platform::loadFontFace (plain, 1).isEmpty());
    plain.deleteFile();

    const auto truncated = juce::File::createTempFile (".ttc");
    truncated.replaceWithData ("ttcf\0\1\0\0\0\0\0\x09", 12); // claims 9 faces, lists none
    EXPECT_TRUE (platform::loadFontFace (truncated, 3).isEmpty());
    truncated.deleteFile();
}

TEST (FontResolver, DeclaredTextDecidesTheFont)
{
    const auto korean = juce::String::fromUTF8 ("업데이트 파일에 오류가 있습니다.");
    platform::requireCoverage ("Resolver Test Gothic", "ko", korean);

    auto typeface = platform::typefaceForFont (juce::Font ("Resolver Test Gothic", 13.0f, juce::Font::plain));
    ASSERT_NE (nullptr, typeface);

    for (auto p = korean.getCharPointer(); ! p.isEmpty(); ++p)
    {
        if (*p != ' ')
        {
            EXPECT_TRUE (hasOwnGlyph (*typeface, *p)) << (int) *p << " in " << typeface->getName();
        }
    }

    EXPECT_EQ (typeface, platform::typefaceForFont (juce::Font ("resolver test gothic", 20.0f, juce::Font::plain)));
}

TEST (FontResolver, BoldAndPlainAreDifferentFaces)
{
    platform::requireCoverage ("Resolver Test Sans", "ja", juce::String::fromUTF8 ("終了"));
    auto plain = platform::typefaceForFont (juce::Font ("Resolver Test Sans", 13.0f, juce::Font::plain));
    auto bold = platform::typefaceForFont (juce::Font ("Resolver Test Sans", 13.0f, juce::Font::bold));
    ASSERT_NE (nullptr, plain);
    ASSERT_NE (nullptr, bold);
    EXPECT_NE (plain, bold);
    EXPECT_TRUE (bold->getStyle().containsIgnoreCase ("bold")) << bold->getStyle();
    EXPECT_FALSE (plain->getStyle().containsIgnoreCase ("bold")) << plain->getStyle();
}

TEST (FontResolver, GenericNamesResolveToo)
{
    for (const auto& name : { juce::Font::getDefaultSansSerifFontName(), juce::String ("Some Font Nobody Has") })
    {
        auto typeface = platform::typefaceForFont (juce::Font (name, 16.0f, juce::Font::plain));
        ASSERT_NE (nullptr, typeface) << name;

        for (auto c : juce::String ("0123456789%"))
            EXPECT_TRUE (hasOwnGlyph (*typeface, c)) << name << " " << (char) c;
    }
}
