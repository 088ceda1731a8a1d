#pragma once

#include <juce_core/juce_core.h>

enum LangIdTable_t : int
{
    LANG_EN = 0,
    LANG_FR,
    LANG_DE,
    LANG_ES,
    LANG_IT,
    LANG_NL,
    LANG_RU,
    LANG_PT,
    LANG_ZH_HANS,
    LANG_ZH_HANT,
    LANG_KO,
    LANG_JA,
    LANG_MAX
};

enum StrIdTable_t : int
{
    NULL_STR = 0,
    NAME_000,
    NAME_001,
    STR_0000,
    STR_0001,
    STR_0002,
    STR_0003,
    STR_0004,
    STR_0005,
    STR_0006,
    STR_0007,
    STR_0008,
    STR_0009,
    STR_0010,
    STR_0011,
    STR_0012,
    STR_0013,
    STR_0014,
    STR_0015,
    STR_0016,
    STR_0017,
    STR_0018,
    STR_0019,
    STR_0020,
    STR_0021,
    STR_0022,
    STR_0023,
    STR_0024,
    STR_0025,
    STR_MAX
};

// The compiled-in string tables: 32 arrays of one text per language, in
// LangIdTable_t order. Read only by TxtLoader::Load.
namespace StrRes
{
extern const juce::String DEFAULT_FONT_WIN[LANG_MAX];
extern const juce::String DEFAULT_FONT_MAC[LANG_MAX];
extern const juce::String LANGUAGE_SELECTION[LANG_MAX];

extern const juce::String NULL_STR[LANG_MAX];
extern const juce::String NAME_000[LANG_MAX];
extern const juce::String NAME_001[LANG_MAX];
extern const juce::String STR_0000[LANG_MAX];
extern const juce::String STR_0001[LANG_MAX];
extern const juce::String STR_0002[LANG_MAX];
extern const juce::String STR_0003[LANG_MAX];
extern const juce::String STR_0004[LANG_MAX];
extern const juce::String STR_0005[LANG_MAX];
extern const juce::String STR_0006[LANG_MAX];
extern const juce::String STR_0007[LANG_MAX];
extern const juce::String STR_0008[LANG_MAX];
extern const juce::String STR_0009[LANG_MAX];
extern const juce::String STR_0010[LANG_MAX];
extern const juce::String STR_0011[LANG_MAX];
extern const juce::String STR_0012[LANG_MAX];
extern const juce::String STR_0013[LANG_MAX];
extern const juce::String STR_0014[LANG_MAX];
extern const juce::String STR_0015[LANG_MAX];
extern const juce::String STR_0016[LANG_MAX];
extern const juce::String STR_0017[LANG_MAX];
extern const juce::String STR_0018[LANG_MAX];
extern const juce::String STR_0019[LANG_MAX];
extern const juce::String STR_0020[LANG_MAX];
extern const juce::String STR_0021[LANG_MAX];
extern const juce::String STR_0022[LANG_MAX];
extern const juce::String STR_0023[LANG_MAX];
extern const juce::String STR_0024[LANG_MAX];
extern const juce::String STR_0025[LANG_MAX];

// The 29 text arrays above in StrIdTable_t order: TEXTS[id][language].
extern const juce::String* const TEXTS[STR_MAX];
} // namespace StrRes
