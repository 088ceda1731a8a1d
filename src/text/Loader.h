#pragma once

#include "StrRes.h"

enum FlgTable_t : int
{
    FLG_FONT_WIN = 1,
    FLG_FONT_MAC = 2,
    FLG_LANG = 3,
    FLG_STR = 4
};

// The process-wide text loader: detects the starting language and serves the
// texts and font names of the current language. Message thread only.
class TxtLoader
{
public:
    static void createInstance();
    static TxtLoader* getInstance();
    static void releaseInstance();

    virtual ~TxtLoader();

    void setLocale (LangIdTable_t locale);
    LangIdTable_t chkLocale();
    void Load (FlgTable_t flag);

    const juce::String& getFont();
    const juce::String& getFont (LangIdTable_t locale);
    const juce::String& getLang (LangIdTable_t locale);
    const juce::String& getString (StrIdTable_t id);

    LangIdTable_t getLocale() const { return m_locale; }
    bool isEnabled (LangIdTable_t locale) const;

private:
    TxtLoader();

    static TxtLoader* m_pinstance;

    LangIdTable_t m_locale = LANG_MAX;
    juce::String m_empty;
    bool m_enable[LANG_MAX] = {};
    juce::String m_font[LANG_MAX];
    juce::String m_langName[LANG_MAX];
    juce::String m_str[STR_MAX];
};
