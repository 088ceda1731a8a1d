#include "Loader.h"
#include "FontCoverage.h"
#include "LanguageMatch.h"

#include <PreferredLanguages.h>

TxtLoader* TxtLoader::m_pinstance = nullptr;

namespace
{
bool isLanguage (LangIdTable_t locale)
{
    return locale >= LANG_EN && locale < LANG_MAX;
}

bool isStringId (StrIdTable_t id)
{
    return id >= NULL_STR && id < STR_MAX;
}

void copyRow (const juce::String (&row)[LANG_MAX], juce::String (&target)[LANG_MAX])
{
    std::copy (std::begin (row), std::end (row), std::begin (target));
}
} // namespace

void TxtLoader::createInstance()
{
    if (m_pinstance != nullptr)
        return;

    m_pinstance = new TxtLoader();
    m_pinstance->m_locale = m_pinstance->chkLocale();
    m_pinstance->Load (FLG_STR);
}

TxtLoader* TxtLoader::getInstance()
{
    createInstance();
    return m_pinstance;
}

void TxtLoader::releaseInstance()
{
    delete m_pinstance;
    m_pinstance = nullptr;
}

TxtLoader::TxtLoader()
{
    Load (FLG_FONT_MAC);
    Load (FLG_LANG);
    // The table names fonts of another system; tell the resolver what each
    // name has to draw so that it picks an installed font that can.
    declareFontCoverage (m_font);
}

TxtLoader::~TxtLoader() = default;

void TxtLoader::setLocale (LangIdTable_t locale)
{
    if (! isLanguage (locale))
        return;

    m_locale = locale;
    Load (FLG_STR);
}

LangIdTable_t TxtLoader::chkLocale()
{
    std::fill (std::begin (m_enable), std::end (m_enable), true);
    return matchPreferredLanguage (platform::preferredLanguages());
}

void TxtLoader::Load (FlgTable_t flag)
{
    switch (flag)
    {
        case FLG_FONT_WIN:
            copyRow (StrRes::DEFAULT_FONT_WIN, m_font);
            break;
        case FLG_FONT_MAC:
            copyRow (StrRes::DEFAULT_FONT_MAC, m_font);
            break;
        case FLG_LANG:
            copyRow (StrRes::LANGUAGE_SELECTION, m_langName);
            break;
        case FLG_STR:
            if (isLanguage (m_locale))
                for (int id = NULL_STR; id < STR_MAX; ++id)
                    m_str[id] = StrRes::TEXTS[id][m_locale];
            break;
        default:
            break;
    }
}

const juce::String& TxtLoader::getFont()
{
    return getFont (m_locale);
}

const juce::String& TxtLoader::getFont (LangIdTable_t locale)
{
    return isLanguage (locale) ? m_font[locale] : m_empty;
}

const juce::String& TxtLoader::getLang (LangIdTable_t locale)
{
    return isLanguage (locale) ? m_langName[locale] : m_empty;
}

const juce::String& TxtLoader::getString (StrIdTable_t id)
{
    return isStringId (id) ? m_str[id] : m_empty;
}

bool TxtLoader::isEnabled (LangIdTable_t locale) const
{
    return isLanguage (locale) && m_enable[locale];
}
