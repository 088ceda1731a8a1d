#include <gtest/gtest.h>

#include "src/platform/PreferredLanguages.h"

TEST (PreferredLanguages, CanonicalIdentifiersFromLocaleNames)
{
    struct Case { const char* posix; const char* canonical; };
    const Case cases[] =
    {
        { "zh_CN.UTF-8", "zh-Hans-CN" },
        { "zh_TW", "zh-Hant-TW" },
        { "zh_HK", "zh-Hant-HK" },
        { "zh_SG.GB2312", "zh-Hans-SG" },
        { "zh_Hant_TW", "zh-Hant-TW" },
        { "zh", "zh" },
        { "pt_BR", "pt-BR" },
        { "de_DE@euro", "de-DE" },
        { "de_DE.ISO-8859-15@euro", "de-DE" },
        { "ko_KR.UTF-8", "ko-KR" },
        { "sv", "sv" },
        { "C", "" },
        { "POSIX", "" },
        { "C.UTF-8", "" },
        { "", "" },
        { ".UTF-8", "" },
    };

    for (const auto& c : cases)
        EXPECT_EQ (juce::String (c.canonical), platform::canonicalLocaleId (c.posix)) << c.posix;
}

TEST (PreferredLanguages, LanguageListThenTheLocaleThatGovernsMessages)
{
    struct Case { platform::LocaleEnvironment environment; const char* expected; };
    const Case cases[] =
    {
        { { "sv:de:fr", "", "", "en_US.UTF-8" }, "sv,de,fr,en-US" },
        { { "::nl::", "", "", "" }, "nl" },
        { { "", "ru_RU.UTF-8", "ja_JP", "de_DE" }, "ru-RU" },
        { { "", "", "ja_JP", "de_DE" }, "ja-JP" },
        { { "", "", "", "de_DE" }, "de-DE" },
        { { "", "C", "ja_JP", "de_DE" }, "" },
        { { "C:POSIX:zh_TW", "", "", "POSIX" }, "zh-Hant-TW" },
        { { "", "", "", "" }, "" },
    };

    for (const auto& c : cases)
        EXPECT_EQ (juce::String (c.expected), platform::preferredLanguages (c.environment).joinIntoString (","))
            << c.environment.language << "|" << c.environment.lcAll << "|" << c.environment.lcMessages << "|" << c.environment.lang;
}
