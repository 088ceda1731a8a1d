#include <gtest/gtest.h>

#include "src/text/StrRes.h"

#include <cstdio>
#include <iterator>

namespace
{
const juce::String utf8 (const char* text)
{
    return juce::String::fromUTF8 (text);
}

const juce::String& text (StrIdTable_t id, LangIdTable_t language)
{
    return StrRes::TEXTS[id][language];
}

int countOf (const juce::String& haystack, juce::juce_wchar c)
{
    int n = 0;
    for (auto p = haystack.getCharPointer(); ! p.isEmpty(); ++p)
        n += (*p == c) ? 1 : 0;
    return n;
}

std::string format (const juce::String& templ, const char* a, const char* b = "", const char* c = "")
{
    char buffer[512] = {};
    std::snprintf (buffer, sizeof (buffer), templ.toRawUTF8(), a, b, c);
    return buffer;
}

const LangIdTable_t allLanguages[] = { LANG_EN, LANG_FR, LANG_DE, LANG_ES, LANG_IT, LANG_NL,
                                       LANG_RU, LANG_PT, LANG_ZH_HANS, LANG_ZH_HANT, LANG_KO, LANG_JA };
} // namespace

TEST (StrRes, TablesHaveTwelveLanguagesAndTwentyNineIds)
{
    EXPECT_EQ (12, LANG_MAX);
    EXPECT_EQ (29, STR_MAX);
    EXPECT_EQ (12u, std::size (StrRes::DEFAULT_FONT_MAC));
    EXPECT_EQ (12u, std::size (StrRes::STR_0025));
    EXPECT_EQ (29u, std::size (StrRes::TEXTS));
    EXPECT_EQ (StrRes::NULL_STR, StrRes::TEXTS[NULL_STR]);
    EXPECT_EQ (StrRes::NAME_001, StrRes::TEXTS[NAME_001]);
    EXPECT_EQ (StrRes::STR_0000, StrRes::TEXTS[STR_0000]);
    EXPECT_EQ (StrRes::STR_0013, StrRes::TEXTS[STR_0013]);
    EXPECT_EQ (StrRes::STR_0025, StrRes::TEXTS[STR_0025]);
}

TEST (StrRes, SharedRowsAreTheSameInEveryLanguage)
{
    for (auto language : allLanguages)
    {
        EXPECT_TRUE (text (NULL_STR, language).isEmpty());
        EXPECT_EQ (juce::String ("KRV"), text (NAME_000, language));
        EXPECT_EQ (juce::String ("KRV-TM40"), text (NAME_001, language));
    }
}

// No translation falls back to English: a text equal to the English one is
// only allowed where the translators kept the English word.
TEST (StrRes, TranslationsAreTheirOwnExceptWhereEnglishWasKept)
{
    const std::set<std::pair<int, int>> keptEnglish =
    {
        { STR_0001, LANG_FR }, { STR_0001, LANG_DE }, { STR_0001, LANG_IT },
        { STR_0001, LANG_PT }, { STR_0001, LANG_KO }, { STR_0001, LANG_JA },
        { STR_0002, LANG_DE }, { STR_0002, LANG_IT },
    };

    for (int id = STR_0000; id < STR_MAX; ++id)
    {
        for (auto language : allLanguages)
        {
            const auto& t = text (static_cast<StrIdTable_t> (id), language);
            EXPECT_TRUE (t.isNotEmpty()) << id << " " << language;

            if (language != LANG_EN)
            {
                EXPECT_EQ (keptEnglish.count ({ id, language }) == 1, t == text (static_cast<StrIdTable_t> (id), LANG_EN))
                    << "id " << id << " language " << language;
            }
        }
    }
}

TEST (StrRes, TextsThatTheScreensDependOn)
{
    struct Case { StrIdTable_t id; LangIdTable_t language; const char* expected; };
    const Case cases[] =
    {
        { STR_0003, LANG_JA, "キャンセル" },
        { STR_0004, LANG_JA, "終了" },
        { STR_0002, LANG_DE, "Start" },
        { STR_0002, LANG_IT, "Start" },
        { STR_0001, LANG_ES, "Aceptar" },
        { STR_0001, LANG_NL, "Akkoord" },
        { STR_0001, LANG_RU, "\xd0\x9e\xd0\x9a" }, // Cyrillic O and K
        { STR_0001, LANG_ZH_HANS, "确定" },
        { STR_0001, LANG_ZH_HANT, "確定" },
        { STR_0008, LANG_JA, "%sが接続されていません。" },
        { STR_0008, LANG_ZH_HANS, "没有连接 %s。" },
        { STR_0008, LANG_ZH_HANT, "未連接 %s。" },
        { STR_0012, LANG_NL, "De firmware van uw %swordt bijgewerkt." },
        { STR_0012, LANG_PT, "Atualizando o firmware do seu% s." },
        { STR_0014, LANG_KO, "버전 업데이트 되었습니다." },
        { STR_0014, LANG_PT, "A versão foi actualizada." },
        { STR_0010, LANG_JA, "現在のバージョン: Ver%s.%02s" },
        { STR_0011, LANG_ZH_HANT, "更新版本: %s.%02s版" },
        { STR_0018, LANG_RU, "1. Нажмите кнопку \"Закрыть\", чтобы закрыть \"Обновление программы\"." },
        { STR_0020, LANG_ZH_HANS, "3、通过以下任一方式重新更新固件：" },
        { STR_0023, LANG_ZH_HANS, "请双击KRV-TM40_vXXX开始更新固件。" },
        { STR_0025, LANG_JA, "一度deckloomを終了してから再起動し、deckloomの表示に従ってアップデートプログラムを起動します。" },
    };

    for (const auto& c : cases)
        EXPECT_EQ (utf8 (c.expected), text (c.id, c.language)) << "id " << c.id << " language " << c.language;

    EXPECT_EQ (4, countOf (text (STR_0018, LANG_RU), '"'));
}

TEST (StrRes, FontRowsAndLanguageNames)
{
    EXPECT_EQ (juce::String ("Verdana"), StrRes::DEFAULT_FONT_MAC[LANG_EN]);
    EXPECT_EQ (juce::String ("Geneva CY"), StrRes::DEFAULT_FONT_MAC[LANG_RU]);
    EXPECT_EQ (juce::String ("STHeiti"), StrRes::DEFAULT_FONT_MAC[LANG_ZH_HANS]);
    EXPECT_EQ (juce::String ("STHeiti"), StrRes::DEFAULT_FONT_MAC[LANG_ZH_HANT]);
    EXPECT_EQ (juce::String ("Apple SD Gothic Neo"), StrRes::DEFAULT_FONT_MAC[LANG_KO]);
    EXPECT_EQ (juce::String ("Hiragino Sans W5"), StrRes::DEFAULT_FONT_MAC[LANG_JA]);
    EXPECT_EQ (juce::String ("Microsoft JhengHei"), StrRes::DEFAULT_FONT_WIN[LANG_ZH_HANT]);
    EXPECT_EQ (juce::String ("Verdana"), StrRes::DEFAULT_FONT_WIN[LANG_RU]);
    EXPECT_EQ (utf8 ("Français"), StrRes::LANGUAGE_SELECTION[LANG_FR]);
    EXPECT_EQ (utf8 ("Русский"), StrRes::LANGUAGE_SELECTION[LANG_RU]);
    EXPECT_EQ (utf8 ("繁體中文"), StrRes::LANGUAGE_SELECTION[LANG_ZH_HANT]);
    EXPECT_EQ (utf8 ("日本語"), StrRes::LANGUAGE_SELECTION[LANG_JA]);
}

TEST (StrRes, ProductNameTemplatesHoldOnePlaceholderExceptTwo)
{
    for (auto id : { STR_0008, STR_0009, STR_0012, STR_0014 })
    {
        for (auto language : allLanguages)
        {
            const bool withoutName = id == STR_0014 && (language == LANG_KO || language == LANG_PT);
            EXPECT_EQ (withoutName ? 0 : 1, countOf (text (id, language), '%')) << id << " " << language;
            EXPECT_EQ (withoutName, ! juce::String (format (text (id, language), "KRV-TM40")).contains ("KRV-TM40"))
                << id << " " << language;
        }
    }
}

TEST (StrRes, VersionLinesTakeMajorThenMinorDigits)
{
    for (auto id : { STR_0010, STR_0011 })
    {
        for (auto language : allLanguages)
        {
            EXPECT_EQ (2, countOf (text (id, language), '%'));
            EXPECT_TRUE (text (id, language).contains ("%s.%02s")) << id << " " << language;
        }
    }

    struct Case { LangIdTable_t language; std::string ending; };
    const Case cases[] = { { LANG_EN, "Ver. 1.05" }, { LANG_IT, "installata: 1.05" },
                           { LANG_ZH_HANT, "1.05版" }, { LANG_JA, ": Ver1.05" } };

    for (const auto& c : cases)
    {
        const auto line = format (text (STR_0010, c.language), "1", "05");
        ASSERT_GE (line.size(), c.ending.size());
        EXPECT_EQ (c.ending, line.substr (line.size() - c.ending.size())) << line;
    }
}

TEST (StrRes, FilledTemplatesPlaceTheNameAsWritten)
{
    EXPECT_EQ ("KRV-TM40が接続されていません。", format (text (STR_0008, LANG_JA), "KRV-TM40"));
    EXPECT_EQ ("Atualizando o firmware do seuKRV-TM40.", format (text (STR_0012, LANG_PT), "KRV-TM40"));
    EXPECT_EQ ("De firmware van uw KRV-TM40wordt bijgewerkt.", format (text (STR_0012, LANG_NL), "KRV-TM40"));
    EXPECT_EQ (text (STR_0014, LANG_KO).toStdString(), format (text (STR_0014, LANG_KO), "KRV-TM40"));
}

// Buffers for formatting are sized from these: the longest template that is
// formatted and the longest text of all, both Russian.
TEST (StrRes, LongestTextsInUtf8)
{
    size_t longestTemplate = 0, longestText = 0;
    LangIdTable_t templateLanguage = LANG_MAX;
    StrIdTable_t textId = STR_MAX;

    for (int id = NULL_STR; id < STR_MAX; ++id)
    {
        for (auto language : allLanguages)
        {
            const auto bytes = text (static_cast<StrIdTable_t> (id), language).getNumBytesAsUTF8();
            const bool formatted = text (static_cast<StrIdTable_t> (id), LANG_EN).contains ("%");

            if (formatted && bytes > longestTemplate)
                std::tie (longestTemplate, templateLanguage) = std::make_pair (bytes, language);

            if (bytes > longestText)
                std::tie (longestText, textId) = std::make_pair (bytes, static_cast<StrIdTable_t> (id));
        }
    }

    EXPECT_EQ (140u, longestTemplate);
    EXPECT_EQ (LANG_RU, templateLanguage);
    EXPECT_EQ (140u, text (STR_0014, LANG_RU).getNumBytesAsUTF8());
    EXPECT_EQ (249u, longestText);
    EXPECT_EQ (STR_0025, textId);
    EXPECT_EQ (249u, text (STR_0025, LANG_RU).getNumBytesAsUTF8());
}

TEST (StrRes, NumberedStepsAndFullWidthPunctuation)
{
    for (auto language : allLanguages)
    {
        const juce::String separator = language == LANG_ZH_HANS ? utf8 ("、") : juce::String (". ");
        EXPECT_TRUE (text (STR_0018, language).startsWith ("1" + separator)) << language;
        EXPECT_TRUE (text (STR_0019, language).startsWith ("2" + separator)) << language;
        EXPECT_TRUE (text (STR_0020, language).startsWith ("3" + separator)) << language;
    }

    EXPECT_TRUE (text (STR_0013, LANG_ZH_HANS).contains (utf8 ("，")));
    EXPECT_TRUE (text (STR_0020, LANG_ZH_HANT).endsWith (utf8 ("：")));
    EXPECT_TRUE (text (STR_0017, LANG_JA).contains (utf8 ("、")));
    EXPECT_TRUE (text (STR_0006, LANG_JA).endsWith (utf8 ("。")));
}
