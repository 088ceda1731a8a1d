// Every screen, drawn without a window: controls, captions, title, text
// origins, icon and progress fill; the snapshots are kept as artefacts.
#include "ScreenFixture.h"

#include "ui/ScreenTexts.h"

using uitest::ScreenFixture;

namespace
{
const juce::Rectangle<int> selectorArea (20, 46, 364, 20);
const juce::Rectangle<int> rightButton (284, 86, 100, 20);
const juce::Rectangle<int> leftButton (174, 86, 100, 20);
const juce::Colour background (0xFFEAEAEAu);

// Pixels of the warning icon's amber inside its square.
int amberPixels (const juce::Image& image)
{
    int n = 0;
    for (int y = 15; y < 79 && y < image.getHeight(); ++y)
        for (int x = 20; x < 84; ++x)
        {
            const auto p = image.getPixelAt (x, y);
            n += (p.getRed() > 200 && p.getGreen() > 140 && p.getBlue() < 80) ? 1 : 0;
        }
    return n;
}

struct Expected
{
    bool selector, bar, ok, cancel;
};

void expectControls (MainComponent& c, Expected e)
{
    EXPECT_EQ (c.langCombo->isVisible(), e.selector);
    EXPECT_EQ (c.progressBar->isVisible(), e.bar);
    EXPECT_EQ (c.okButton->isVisible(), e.ok);
    EXPECT_EQ (c.cancelButton->isVisible(), e.cancel);
}

const char* languageCode (LangIdTable_t language)
{
    static const char* const codes[] = { "en", "fr", "de", "es", "it", "nl", "ru", "pt", "zh-Hans", "zh-Hant", "ko", "ja" };
    return codes[language];
}

class Screens : public ScreenFixture, public ::testing::WithParamInterface<LangIdTable_t>
{
protected:
    juce::String name (const char* screen) { return juce::String (languageCode (GetParam())) + "-" + screen; }
};
} // namespace

// The success path in one language, screen by screen, as the update thread
// moves through it.
TEST_P (Screens, SuccessPath)
{
    setLanguage (GetParam());

    show (UPD_INIT);
    auto image = saveSnapshot (name ("1-language"));
    EXPECT_EQ (window.getName(), text (STR_0000));
    expectControls (c(), { true, false, true, true });
    EXPECT_EQ (c().langCombo->getBounds(), selectorArea);
    EXPECT_EQ (c().langCombo->getSelectedId(), GetParam() + 1);
    EXPECT_EQ (c().okButton->getBounds(), rightButton);
    EXPECT_EQ (c().cancelButton->getBounds(), leftButton);
    EXPECT_EQ (c().okButton->getButtonText(), text (STR_0001));
    EXPECT_EQ (c().cancelButton->getButtonText(), text (STR_0003));
    EXPECT_EQ (c().okButton->getFontName(), TxtLoader::getInstance()->getFont());
    auto l = lines();
    ASSERT_GE (l.size(), 2u);
    EXPECT_EQ (l[0].text, text (STR_0005));
    EXPECT_NEAR (l[0].left, 20.0f, 0.5f);
    EXPECT_NEAR (l[0].top, 20.0f, 0.5f);
    EXPECT_TRUE (text (STR_0006).startsWith (l[1].text.trim()));
    EXPECT_NEAR (l[1].left, 40.0f, 0.5f);
    EXPECT_GT (l[1].baseline - l[0].baseline, 20.0f) << "an empty line between head and body";
    EXPECT_EQ (amberPixels (image), 0);

    show (UPD_READY);
    image = saveSnapshot (name ("2-ready"));
    expectControls (c(), { false, false, true, true });
    EXPECT_EQ (c().okButton->getBounds(), rightButton);
    EXPECT_EQ (c().cancelButton->getBounds(), leftButton);
    EXPECT_EQ (c().okButton->getButtonText(), text (STR_0002));
    EXPECT_EQ (c().cancelButton->getButtonText(), text (STR_0004));
    l = lines();
    ASSERT_GE (l.size(), 3u);
    EXPECT_NEAR (l[0].left, 20.0f, 0.5f);
    EXPECT_NEAR (l[0].top, 20.0f, 0.5f);
    const auto versionLine = [&] (const juce::String& version)
    {
        for (const auto& line : l)
            if (line.text.contains (version))
                return line;
        return uitest::TextLine {};
    };
    EXPECT_NEAR (versionLine ("1.00").left, 40.0f, 0.5f) << "unit version line";
    EXPECT_NEAR (versionLine ("1.02").left, 40.0f, 0.5f) << "file version line";
    EXPECT_GT (versionLine ("1.02").baseline, versionLine ("1.00").baseline);
    EXPECT_EQ (amberPixels (image), 0);

    c().curUpdKind = 0;
    c().mainFwUpdating = true;
    c().progress = 0.0;
    show (UPD_BLOCK_HEAD);
    image = saveSnapshot (name ("3-transfer-0"));
    expectControls (c(), { false, true, false, false });
    EXPECT_EQ (c().progressBar->getBounds(), selectorArea);
    EXPECT_EQ (c().progressBar->findColour (juce::ProgressBar::backgroundColourId), juce::Colour (0xFFFA32C8u));
    l = lines();
    ASSERT_GE (l.size(), 2u);
    EXPECT_NEAR (l[0].left, 20.0f, 0.5f);
    EXPECT_NEAR (l[1].left, 40.0f, 0.5f);
    // Nothing filled yet: the bar's inner row is its background colour.
    EXPECT_EQ (image.getPixelAt (20 + 3, 46 + 3), juce::Colour (0xFFFA32C8u));

    // The bar follows the thread's progress also between rebuild requests:
    // one pass of the thread sends a whole block.
    c().progress = 0.5;
    const auto filledTo = [this] (int x) { return snapshot().getPixelAt (x, 46 + 2).getRed() < 0xC0; };
    ASSERT_TRUE (uitest::pumpUntil ([&] { return filledTo (20 + 2 + 179); }));
    image = saveSnapshot (name ("3-transfer-50"));
    EXPECT_EQ (image.getPixelAt (20 + 1, 46 + 2), juce::Colour (0xFFFA32C8u)) << "frame left of the fill";
    EXPECT_TRUE (filledTo (20 + 2)) << "fill starts at x 2";
    EXPECT_EQ (image.getPixelAt (20 + 2 + 180, 46 + 2), juce::Colour (0xFFFA32C8u)) << "fill 180 px wide";

    c().progress = 1.0;
    show (UPD_COMPLETE);
    image = saveSnapshot (name ("4-complete"));
    expectControls (c(), { false, false, true, false });
    EXPECT_EQ (c().okButton->getBounds(), rightButton);
    EXPECT_EQ (c().okButton->getButtonText(), text (STR_0001));
    l = lines();
    ASSERT_GE (l.size(), 1u);
    EXPECT_NEAR (l[0].left, 20.0f, 0.5f);
    EXPECT_NEAR (l[0].top, 20.0f, 0.5f);
    EXPECT_EQ (amberPixels (image), 0);
}

TEST_P (Screens, ErrorScreens)
{
    setLanguage (GetParam());

    for (int32_t error : { (int32_t) ERR_FILE_SIZE, (int32_t) ERR_NOT_CONNECTED })
    {
        show (error);
        const auto image = saveSnapshot (name (error == ERR_FILE_SIZE ? "5-file-error" : "6-not-connected"));
        EXPECT_EQ (c().getWidth(), 404);
        EXPECT_EQ (c().getHeight(), 126);
        expectControls (c(), { false, false, false, true });
        EXPECT_EQ (c().cancelButton->getBounds(), rightButton);
        EXPECT_EQ (c().cancelButton->getButtonText(), text (STR_0004));
        const auto l = lines();
        ASSERT_GE (l.size(), 2u);
        EXPECT_NEAR (l[0].left, 105.0f, 0.5f);
        EXPECT_NEAR (l[0].top, 20.0f, 0.5f);
        EXPECT_TRUE (l.back().text.startsWith ("Error ID:"));
        EXPECT_TRUE (l.back().text.endsWith (error == ERR_FILE_SIZE ? "0x0E03" : "0x0E21")) << l.back().text;
        EXPECT_GT (amberPixels (image), 500);
    }
}

TEST_P (Screens, RecoveryScreen)
{
    setLanguage (GetParam());
    show (UPD_BLOCK_DATA);
    show (ERR_REMOVED);
    const auto image = saveSnapshot (name ("7-recovery"));

    EXPECT_EQ (c().getWidth(), 800);
    EXPECT_EQ (c().getHeight(), 300);
    expectControls (c(), { false, false, false, true });
    EXPECT_EQ (c().cancelButton->getBounds(), juce::Rectangle<int> (680, 260, 100, 20));
    EXPECT_EQ (c().cancelButton->getButtonText(), text (STR_0004));
    EXPECT_GT (amberPixels (image), 500);

    const auto l = lines();
    ASSERT_GE (l.size(), 5u);
    EXPECT_EQ (l[0].text, text (STR_0015));
    EXPECT_NEAR (l[0].left, 105.0f, 0.5f);
    EXPECT_NEAR (l[0].top, 20.0f, 0.5f);
    // The unit line between two rules, once; no error ID.
    int units = 0;
    for (size_t i = 1; i + 1 < l.size(); ++i)
    {
        if (l[i].text == "For SH7269")
        {
            ++units;
            EXPECT_EQ (l[i - 1].text, "-------------");
            EXPECT_EQ (l[i + 1].text, "-------------");
        }
        EXPECT_FALSE (l[i].text.contains ("Error ID"));
    }
    EXPECT_EQ (units, 1);
    EXPECT_LE (l.back().baseline, 300.0f) << "the whole text fits the enlarged screen";
}

INSTANTIATE_TEST_SUITE_P (EveryLanguage, Screens,
                          ::testing::Values (LANG_EN, LANG_FR, LANG_DE, LANG_ES, LANG_IT, LANG_NL, LANG_RU, LANG_PT,
                                             LANG_ZH_HANS, LANG_ZH_HANT, LANG_KO, LANG_JA),
                          [] (const auto& info) { return juce::String (languageCode (info.param)).removeCharacters ("-").toStdString(); });

TEST_F (ScreenFixture, NoUpdateFileKindGivesUnknownUnit)
{
    c().updFileKind = 0;
    c().updState = ERR_REFUSED_1;
    c().handleAsyncUpdate();
    bool found = false;
    for (const auto& line : lines())
        found = found || line.text == "UNKNOWN CPU";
    EXPECT_TRUE (found);
}

TEST_F (ScreenFixture, BeginAndFinishKeepTheButtonsOfTheScreenBefore)
{
    show (UPD_READY);
    show (UPD_BEGIN);
    EXPECT_TRUE (lines().empty());
    expectControls (c(), { false, false, true, true });
    EXPECT_EQ (c().okButton->getButtonText(), text (STR_0002));

    show (UPD_BLOCK_WAIT);
    show (UPD_FINISH);
    EXPECT_TRUE (lines().empty());
    expectControls (c(), { false, false, false, false });
}

TEST_F (ScreenFixture, TransferWithoutTheMainImageHasTheDarkBackground)
{
    c().curUpdKind = 1;
    c().mainFwUpdating = false;
    show (UPD_BLOCK_HEAD);
    EXPECT_EQ (c().progressBar->findColour (juce::ProgressBar::backgroundColourId), juce::Colour (0xFF080808u));

    // Once the main image was part of the transfer the colour stays.
    c().curUpdKind = 0;
    c().mainFwUpdating = true;
    show (UPD_BLOCK_DATA);
    c().curUpdKind = 2;
    show (UPD_BLOCK_HEAD);
    EXPECT_EQ (c().progressBar->findColour (juce::ProgressBar::backgroundColourId), juce::Colour (0xFFFA32C8u));
}

TEST_F (ScreenFixture, ProgressColourRequestedByTheThreadIsApplied)
{
    c().requestedProgressColour = 0xFFC83296u;
    c().handleAsyncUpdate();
    EXPECT_EQ (c().progressBar->findColour (juce::ProgressBar::foregroundColourId), juce::Colour (0xFFC83296u));
}
