#include <gtest/gtest.h>

#include "LocaleEnvironment.h"
#include "src/platform/PreferredLanguages.h"
#include "src/text/LanguageMatch.h"
#include "src/text/Table.h"

TEST (LanguageTable, CodesInLanguageOrder)
{
    const char* codes[] = { "en", "fr", "de", "es", "it", "nl", "ru", "pt", "zh-Hans", "zh-Hant", "ko", "ja" };
    ASSERT_EQ (langList, plangList);

    for (int i = 0; i < LANG_MAX; ++i)
        EXPECT_EQ (juce::String (codes[i]), plangList[i]);
}

TEST (LanguageMatch, FirstPreferredLanguageWithACodeWins)
{
    struct Case { std::vector<const char*> preferred; LangIdTable_t expected; };
    const Case cases[] =
    {
        { { "sv", "de", "fr" }, LANG_DE },
        { { "sv-SE" }, LANG_EN },
        { {}, LANG_EN },
        { { "zh-Hant-TW" }, LANG_ZH_HANT },
        { { "zh-Hant-HK", "en" }, LANG_ZH_HANT },
        { { "ZH-HANS" }, LANG_ZH_HANS },
        { { "zh", "ja-JP" }, LANG_JA },
        { { "zh-CN", "ko" }, LANG_KO },
        { { "zh" }, LANG_EN },
        { { "pt-BR" }, LANG_PT },
        { { "pt-PT" }, LANG_PT },
        { { "kok" }, LANG_KO },
        { { "", "nl-BE" }, LANG_NL },
        { { "EN-gb", "fr" }, LANG_EN },
        { { "ru-RU-u-ca-gregory-nu-latn" }, LANG_RU }, // longer than 15 characters
        { { "x-ja" }, LANG_EN },
    };

    for (const auto& c : cases)
    {
        juce::StringArray preferred;
        for (auto* id : c.preferred)
            preferred.add (id);

        EXPECT_EQ (c.expected, matchPreferredLanguage (preferred)) << preferred.joinIntoString (",");
    }
}

// The whole detection on Linux: locale variables, canonical identifiers,
// then the matching rule.
TEST (LanguageMatch, FromLocaleVariables)
{
    struct Case { const char* language; const char* lcAll; const char* lcMessages; const char* lang; LangIdTable_t expected; };
    const Case cases[] =
    {
        { "sv:de:fr", "", "", "en_US.UTF-8", LANG_DE },
        { "sv", "", "", "", LANG_EN },
        { "", "", "", "", LANG_EN },
        { "", "", "", "zh_CN.UTF-8", LANG_ZH_HANS },
        { "", "", "", "zh_TW", LANG_ZH_HANT },
        { "", "", "", "zh_HK.UTF-8", LANG_ZH_HANT },
        { "zh:ko_KR", "", "", "", LANG_KO },
        { "", "pt_BR.UTF-8", "", "de_DE", LANG_PT },
        { "", "", "pt_PT@euro", "de_DE", LANG_PT },
        { "", "C", "ja_JP", "ja_JP", LANG_EN },
        { "C:POSIX:it_IT", "", "", "", LANG_IT },
        { "", "", "", "POSIX", LANG_EN },
        { "", "", "", "ja_JP.UTF-8@averylongmodifier", LANG_JA },
    };

    for (const auto& c : cases)
    {
        ScopedLocaleEnvironment environment (c.language, c.lcAll, c.lcMessages, c.lang);
        EXPECT_EQ (c.expected, matchPreferredLanguage (platform::preferredLanguages()))
            << c.language << "|" << c.lcAll << "|" << c.lcMessages << "|" << c.lang;
    }
}
