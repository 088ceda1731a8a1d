#include <gtest/gtest.h>

#include "LocaleEnvironment.h"
#include "src/text/Loader.h"

namespace
{
const juce::String utf8 (const char* text)
{
    return juce::String::fromUTF8 (text);
}

// Each test starts without a loader, with German as the user's language.
class TxtLoaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TxtLoader::releaseInstance();
    }

    void TearDown() override
    {
        TxtLoader::releaseInstance();
    }

    ScopedLocaleEnvironment environment { "de_DE.UTF-8" };
};
} // namespace

TEST_F (TxtLoaderTest, CreationDetectsOnceAndReleaseForgets)
{
    TxtLoader::createInstance();
    auto* loader = TxtLoader::getInstance();
    ASSERT_NE (nullptr, loader);
    EXPECT_EQ (LANG_DE, loader->getLocale());
    EXPECT_EQ (juce::String ("Abbrechen"), loader->getString (STR_0003));

    for (int i = 0; i < LANG_MAX; ++i)
        EXPECT_TRUE (loader->isEnabled (static_cast<LangIdTable_t> (i)));

    {
        ScopedLocaleEnvironment french ("fr");
        TxtLoader::createInstance();
        EXPECT_EQ (loader, TxtLoader::getInstance());
        EXPECT_EQ (LANG_DE, TxtLoader::getInstance()->getLocale());

        TxtLoader::releaseInstance();
        EXPECT_EQ (LANG_FR, TxtLoader::getInstance()->getLocale());
        EXPECT_EQ (juce::String ("Annuler"), TxtLoader::getInstance()->getString (STR_0003));
    }
}

TEST_F (TxtLoaderTest, SwitchingLanguageReloadsTextsButNotFontsOrNames)
{
    auto* loader = TxtLoader::getInstance();
    const auto& cancel = loader->getString (STR_0003);
    const auto& zhHant = loader->getLang (LANG_ZH_HANT);

    loader->setLocale (LANG_JA);
    EXPECT_EQ (LANG_JA, loader->getLocale());
    EXPECT_EQ (utf8 ("キャンセル"), cancel); // the reference names the slot
    EXPECT_EQ (utf8 ("終了"), loader->getString (STR_0004));
    EXPECT_EQ (juce::String ("Hiragino Sans W5"), loader->getFont());

    for (int i = 0; i < LANG_MAX; ++i)
    {
        loader->setLocale (static_cast<LangIdTable_t> (i));
        EXPECT_EQ (juce::String ("Geneva CY"), loader->getFont (LANG_RU));
        EXPECT_EQ (utf8 ("繁體中文"), loader->getLang (LANG_ZH_HANT));
        EXPECT_EQ (utf8 ("繁體中文"), zhHant);
        EXPECT_EQ (juce::String ("KRV-TM40"), loader->getString (NAME_001));
        EXPECT_TRUE (loader->getString (NULL_STR).isEmpty());
    }

    loader->setLocale (LANG_RU);
    EXPECT_EQ (utf8 ("ОК"), loader->getString (STR_0001));
    EXPECT_EQ (juce::String ("Geneva CY"), loader->getFont());
    loader->setLocale (LANG_EN);
    EXPECT_EQ (juce::String ("Verdana"), loader->getFont());
    EXPECT_EQ (juce::String ("Updater Program"), loader->getString (STR_0000));
}

TEST_F (TxtLoaderTest, OutOfRangeArgumentsChangeNothingAndGiveEmptyText)
{
    auto* loader = TxtLoader::getInstance();
    loader->setLocale (LANG_KO);

    for (auto bad : { LANG_MAX, static_cast<LangIdTable_t> (-1), static_cast<LangIdTable_t> (1000) })
    {
        loader->setLocale (bad);
        EXPECT_EQ (LANG_KO, loader->getLocale());
        EXPECT_EQ (utf8 ("취소"), loader->getString (STR_0003));
        EXPECT_TRUE (loader->getFont (bad).isEmpty());
        EXPECT_TRUE (loader->getLang (bad).isEmpty());
        EXPECT_FALSE (loader->isEnabled (bad));
    }

    for (auto bad : { STR_MAX, static_cast<StrIdTable_t> (-1) })
        EXPECT_TRUE (loader->getString (bad).isEmpty());

    for (auto bad : { static_cast<FlgTable_t> (0), static_cast<FlgTable_t> (5) })
    {
        loader->Load (bad);
        EXPECT_EQ (utf8 ("취소"), loader->getString (STR_0003));
        EXPECT_EQ (juce::String ("Apple SD Gothic Neo"), loader->getFont());
        EXPECT_EQ (utf8 ("한국어"), loader->getLang (LANG_KO));
    }
}

TEST_F (TxtLoaderTest, LoadCopiesTheRowItIsAskedFor)
{
    auto* loader = TxtLoader::getInstance();
    loader->Load (FLG_FONT_WIN);
    EXPECT_EQ (juce::String ("Microsoft YaHei"), loader->getFont (LANG_ZH_HANS));
    EXPECT_EQ (juce::String ("Verdana"), loader->getFont (LANG_RU));
    loader->Load (FLG_FONT_MAC);
    EXPECT_EQ (juce::String ("STHeiti"), loader->getFont (LANG_ZH_HANS));
}
