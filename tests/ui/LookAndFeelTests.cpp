#include "text/Loader.h"
#include "ui/AlineButton.h"
#include "ui/CustomLookAndFeel.h"

#include <gtest/gtest.h>

namespace
{
juce::Image blankImage (int w, int h)
{
    return juce::Image (juce::Image::ARGB, w, h, true);
}

uint32_t argbAt (const juce::Image& image, int x, int y)
{
    return image.getPixelAt (x, y).getARGB();
}

// How many pixels of a row differ from the given colour.
int pixelsNotOf (const juce::Image& image, int y, juce::Colour colour)
{
    int n = 0;
    for (int x = 0; x < image.getWidth(); ++x)
        n += image.getPixelAt (x, y) != colour ? 1 : 0;
    return n;
}

struct ProgressCase
{
    double progress;
    int firstFillX;   // -1: no fill
    int fillWidth;
};

class ProgressFill : public ::testing::TestWithParam<ProgressCase> {};
} // namespace

TEST_P (ProgressFill, FillsFromTwoPixelsInClampedToTheInnerWidth)
{
    const auto& c = GetParam();
    const juce::Colour background (0xFFFA32C8u);
    double value = c.progress;
    juce::ProgressBar bar (value);
    bar.setColour (juce::ProgressBar::backgroundColourId, background);

    ProgressLookAndFeel lf;
    auto image = blankImage (364, 20);
    {
        juce::Graphics g (image);
        lf.drawProgressBar (g, bar, 364, 20, c.progress, {});
    }

    for (int y : { 0, 1, 18, 19 })
        EXPECT_EQ (pixelsNotOf (image, y, background), 0) << "frame row " << y;

    EXPECT_EQ (pixelsNotOf (image, 10, background), c.fillWidth);
    if (c.firstFillX >= 0)
    {
        EXPECT_NE (image.getPixelAt (c.firstFillX, 10), background);
        EXPECT_EQ (image.getPixelAt (c.firstFillX - 1, 10), background);
        const auto top = image.getPixelAt (c.firstFillX, 2);   // near the gradient's top stop
        EXPECT_NEAR (top.getRed(), 0xA7, 6);
        EXPECT_NEAR (top.getBlue(), 0xA7, 6);
    }
}

INSTANTIATE_TEST_SUITE_P (ProgressLookAndFeel, ProgressFill,
                          ::testing::Values (ProgressCase { 0.0, -1, 0 },
                                             ProgressCase { -0.5, -1, 0 },
                                             ProgressCase { 0.5, 2, 180 },
                                             ProgressCase { 1.0, 2, 360 },
                                             ProgressCase { 1.7, 2, 360 }));

TEST (ProgressLookAndFeelText, PercentageIsWhiteAndCentred)
{
    double value = 0.0;
    juce::ProgressBar bar (value);
    bar.setColour (juce::ProgressBar::backgroundColourId, juce::Colour (0xFF080808u));
    ProgressLookAndFeel lf;
    auto image = blankImage (364, 20);
    {
        juce::Graphics g (image);
        lf.drawProgressBar (g, bar, 364, 20, 0.0, "0%");
    }

    int whiteLeft = 364, whiteRight = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 364; ++x)
            if (argbAt (image, x, y) == 0xFFFFFFFFu)
            {
                whiteLeft = juce::jmin (whiteLeft, x);
                whiteRight = juce::jmax (whiteRight, x);
            }
    ASSERT_GE (whiteRight, 0) << "no white text";
    EXPECT_NEAR ((whiteLeft + whiteRight) / 2.0, 182.0, 3.0);
}

TEST (BtnLookAndFeel, DarkerMatchesTheButtonColours)
{
    const juce::Colour button (0xFFEAEAEAu);
    EXPECT_EQ (button.darker (0.2f).getARGB(), 0xFFC3C3C3u);
    EXPECT_EQ (button.darker (0.7f).getARGB(), 0xFF898989u);
}

TEST (BtnLookAndFeel, PillWithGradientAndOutline)
{
    for (bool pressed : { false, true })
    {
        juce::TextButton button;
        button.setSize (100, 20);
        BtnLookAndFeel lf;
        auto image = blankImage (100, 20);
        {
            juce::Graphics g (image);
            lf.drawButtonBackground (g, button, juce::Colour (0xFFEAEAEAu), false, pressed);
        }

        // Rounded ends: the corners stay empty; the middle row holds the
        // gradient's middle stop; the outline runs along the top edge.
        EXPECT_EQ (image.getPixelAt (0, 0).getAlpha(), 0) << pressed;
        EXPECT_EQ (image.getPixelAt (99, 19).getAlpha(), 0) << pressed;
        const auto middle = image.getPixelAt (50, 10);
        const auto expected = juce::Colour (pressed ? 0xFF529CE7u : 0xFFC3C3C3u);
        EXPECT_NEAR (middle.getRed(), expected.getRed(), 12) << pressed;
        EXPECT_NEAR (middle.getGreen(), expected.getGreen(), 12) << pressed;
        EXPECT_NEAR (middle.getBlue(), expected.getBlue(), 12) << pressed;
        const auto top = image.getPixelAt (50, 0);
        EXPECT_LT (top.getRed(), 0xC0) << "outline " << pressed;
        const auto nearTop = image.getPixelAt (50, 2);
        EXPECT_GT (nearTop.getRed(), pressed ? 0x90 : 0xE0) << "light top " << pressed;
    }
}

TEST (BtnLookAndFeel, TooSmallForTheOutlineDrawsNothing)
{
    for (auto size : { juce::Point<int> (2, 20), juce::Point<int> (100, 2), juce::Point<int> (1, 1) })
    {
        juce::TextButton button;
        button.setSize (size.x, size.y);
        BtnLookAndFeel lf;
        auto image = blankImage (juce::jmax (1, size.x), juce::jmax (1, size.y));
        {
            juce::Graphics g (image);
            lf.drawButtonBackground (g, button, juce::Colour (0xFFEAEAEAu), false, false);
        }
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                ASSERT_EQ (image.getPixelAt (x, y).getAlpha(), 0) << size.toString();
    }
}

namespace
{
class LangLookAndFeelTest : public ::testing::Test
{
protected:
    void TearDown() override { TxtLoader::releaseInstance(); }
    juce::LangLookAndFeel lf;
};
} // namespace

TEST_F (LangLookAndFeelTest, SelectorFontIsTheSelectedLanguagesFont)
{
    juce::ComboBox box;
    box.setSize (364, 20);
    for (int i = 0; i < LANG_MAX; ++i)
        box.addItem (TxtLoader::getInstance()->getLang ((LangIdTable_t) i), i + 1);

    const std::pair<int, const char*> cases[] = { { LANG_EN, "Verdana" }, { LANG_RU, "Geneva CY" },
                                                  { LANG_KO, "Apple SD Gothic Neo" }, { LANG_JA, "Hiragino Sans W5" } };
    for (const auto& [language, fontName] : cases)
    {
        box.setSelectedId (language + 1, juce::dontSendNotification);
        const auto font = lf.getComboBoxFont (box);
        EXPECT_EQ (font.getTypefaceName(), fontName);
        EXPECT_FLOAT_EQ (font.getHeight(), 15.0f);
        EXPECT_FALSE (font.isBold());
    }
}

TEST_F (LangLookAndFeelTest, MenuItemsUseTheirOwnLanguagesFont)
{
    const auto japanese = lf.getMenuItemFont (juce::String::fromUTF8 ("日本語"));
    EXPECT_EQ (japanese.getTypefaceName(), "Hiragino Sans W5");
    EXPECT_FLOAT_EQ (japanese.getHeight(), 17.0f);
    EXPECT_EQ (lf.getMenuItemFont (juce::String::fromUTF8 ("繁體中文")).getTypefaceName(), "STHeiti");

    const auto other = lf.getMenuItemFont ("Not a language");
    EXPECT_EQ (other.getTypefaceName(), lf.getPopupMenuFont().getTypefaceName());
    EXPECT_FLOAT_EQ (other.getHeight(), lf.getPopupMenuFont().getHeight());
}

TEST_F (LangLookAndFeelTest, HighlightedItemHasTheFixedBackground)
{
    auto image = blankImage (200, 24);
    {
        juce::Graphics g (image);
        lf.drawPopupMenuItem (g, { 0, 0, 200, 24 }, false, true, true, false, false, "English", {}, nullptr, nullptr);
    }
    EXPECT_EQ (argbAt (image, 1, 1), 0xFF000040u);
    EXPECT_EQ (argbAt (image, 198, 22), 0xFF000040u);
    EXPECT_EQ (image.getPixelAt (0, 0).getAlpha(), 0);   // inset by one
}

TEST_F (LangLookAndFeelTest, SeparatorIsTwoLines)
{
    auto image = blankImage (200, 10);
    {
        juce::Graphics g (image);
        lf.drawPopupMenuItem (g, { 0, 0, 200, 10 }, true, true, false, false, false, {}, {}, nullptr, nullptr);
    }
    // Area 10 high: 4 rows dropped, then the dark and the light line.
    EXPECT_EQ (argbAt (image, 100, 4), 0x33000000u);
    EXPECT_EQ (argbAt (image, 100, 5), 0x66FFFFFFu);
    EXPECT_EQ (image.getPixelAt (2, 4).getAlpha(), 0);   // inset by five
    EXPECT_EQ (image.getPixelAt (100, 6).getAlpha(), 0);
}

TEST (AlineButton, ConstructionAndKeys)
{
    AlineButton button ("OK");
    EXPECT_EQ (button.getName(), "OK");
    EXPECT_EQ (button.getButtonText(), "OK");
    EXPECT_EQ (button.findColour (juce::TextButton::buttonColourId), juce::Colours::white);
    EXPECT_EQ (button.findColour (juce::TextButton::buttonOnColourId), juce::Colours::white);
    EXPECT_NE (dynamic_cast<BtnLookAndFeel*> (&button.getLookAndFeel()), nullptr);

    // Only a plain Return is taken; everything else is left to the parent.
    EXPECT_TRUE (button.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
    const juce::KeyPress ignored[] = {
        juce::KeyPress (juce::KeyPress::returnKey, juce::ModifierKeys::shiftModifier, 0),
        juce::KeyPress (juce::KeyPress::returnKey, juce::ModifierKeys::ctrlModifier, 0),
        juce::KeyPress (juce::KeyPress::returnKey, juce::ModifierKeys::altModifier, 0),
        juce::KeyPress (juce::KeyPress::returnKey, juce::ModifierKeys::commandModifier, 0),
        juce::KeyPress (juce::KeyPress::spaceKey),
        juce::KeyPress (juce::KeyPress::escapeKey),
        juce::KeyPress ('a'),
    };
    for (const auto& key : ignored)
        EXPECT_FALSE (button.keyPressed (key)) << key.getTextDescription();
}
