#include "text/Loader.h"
#include "ui/TemplateFormat.h"

#include <gtest/gtest.h>

using ui::formatTemplate;

namespace
{
// Texts of one language, with the loader released afterwards.
struct LanguageTexts
{
    explicit LanguageTexts (LangIdTable_t language) { TxtLoader::getInstance()->setLocale (language); }
    ~LanguageTexts() { TxtLoader::releaseInstance(); }
    const juce::String& operator() (StrIdTable_t id) const { return TxtLoader::getInstance()->getString (id); }
};

juce::String u8 (const char* text)
{
    return juce::String::fromUTF8 (text);
}

struct TableCase
{
    LangIdTable_t language;
    StrIdTable_t id;
    bool version;   // filled with "1.05" rather than the product name
    const char* expected;
};

class FormattingTable : public ::testing::TestWithParam<TableCase> {};
} // namespace

TEST_P (FormattingTable, FillsTheTranslatedTemplate)
{
    const auto& c = GetParam();
    const LanguageTexts texts (c.language);
    const auto args = c.version ? ui::versionArgs ("1.05") : ui::productNameArgs (texts (NAME_001));
    EXPECT_EQ (formatTemplate (texts (c.id), args), u8 (c.expected));
}

INSTANTIATE_TEST_SUITE_P (
    Translations, FormattingTable,
    ::testing::Values (
        TableCase { LANG_EN, STR_0010, true, "Current Version: Ver. 1.05" },
        TableCase { LANG_EN, STR_0011, true, "Update Version: Ver. 1.05" },
        TableCase { LANG_IT, STR_0010, true, "Versione attualmente installata: 1.05" },
        TableCase { LANG_ZH_HANT, STR_0010, true, "目前版本: 1.05版" },
        TableCase { LANG_ZH_HANT, STR_0011, true, "更新版本: 1.05版" },
        TableCase { LANG_JA, STR_0010, true, "現在のバージョン: Ver1.05" },
        TableCase { LANG_NL, STR_0012, false, "De firmware van uw KRV-TM40wordt bijgewerkt." },
        TableCase { LANG_PT, STR_0012, false, "Atualizando o firmware do seuKRV-TM40." },
        TableCase { LANG_KO, STR_0014, false, "버전 업데이트 되었습니다." },
        TableCase { LANG_PT, STR_0014, false, "A versão foi actualizada." },
        TableCase { LANG_JA, STR_0008, false, "KRV-TM40が接続されていません。" },
        TableCase { LANG_EN, STR_0009, false, "Updates the version of your KRV-TM40 firmware." }));

TEST (TemplateFormat, DirectivesThatTakeTexts)
{
    const juce::StringArray args ("a", "bc", "", "");
    EXPECT_EQ (formatTemplate ("[%s][% s][%02s][%-3s][%3s]", args), "[a][bc][  ][   ][   ]");
    EXPECT_EQ (formatTemplate ("%02s|%.1s", juce::StringArray ("7", "xyz")), " 7|x");
    EXPECT_EQ (formatTemplate ("100%% %s", juce::StringArray ("done")), "100% done");
}

TEST (TemplateFormat, MissingArgumentsAreEmptyAndOtherDirectivesStayAsWritten)
{
    // Templates are data: a directive that would read a number or write
    // through a pointer must never reach the C library.
    EXPECT_EQ (formatTemplate ("%s-%s-%s", juce::StringArray ("only")), "only--");
    EXPECT_EQ (formatTemplate ("%d %n %x %ls %", juce::StringArray ("unused")), "%d %n %x %ls %");
    EXPECT_EQ (formatTemplate ("no directives", {}), "no directives");
}

TEST (TemplateFormat, WidthCountsCharactersNotBytes)
{
    EXPECT_EQ (formatTemplate ("%3s|%.1s", juce::StringArray (u8 ("é"), u8 ("日本"))), u8 ("  é|日"));
}

TEST (TemplateFormat, LongResultsAreCutAtAWholeCharacterWithinTheBuffer)
{
    // 3-byte characters: 85 of them fill 255 bytes, the 86th does not fit.
    juce::String longText;
    for (int i = 0; i < 100; ++i)
        longText << u8 ("日");

    for (const auto& prefix : { juce::String(), juce::String ("x"), juce::String ("xy") })
    {
        const auto result = formatTemplate (prefix + "%s", juce::StringArray (longText));
        const auto bytes = result.getNumBytesAsUTF8();
        EXPECT_LE (bytes, ui::templateBufferSize - 1);
        EXPECT_GT (bytes, ui::templateBufferSize - 4);
        EXPECT_TRUE (juce::CharPointer_UTF8::isValidString (result.toRawUTF8(), (int) bytes));
        EXPECT_TRUE (result.startsWith (prefix + u8 ("日日")));
    }

    const auto hugeWidth = formatTemplate ("%999999999999s", juce::StringArray ("a"));
    EXPECT_EQ (hugeWidth.getNumBytesAsUTF8(), ui::templateBufferSize - 1);
}

TEST (TemplateFormat, VersionArgumentsSplitMajorAndMinorDigits)
{
    EXPECT_EQ (ui::versionArgs ("1.02"), juce::StringArray ("1", "02", "", ""));
    EXPECT_EQ (ui::versionArgs (""), juce::StringArray ("", "", "", ""));
    EXPECT_EQ (ui::productNameArgs ("KRV-TM40"), juce::StringArray ("KRV-TM40", "", "", ""));
}
