#include "Loader.h"

TxtLoader* TxtLoader::m_pinstance = nullptr;

void TxtLoader::createInstance()
{
    if (m_pinstance == nullptr)
    {
        m_pinstance = new TxtLoader();
        m_pinstance->setLocale (m_pinstance->chkLocale());
    }
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

TxtLoader::TxtLoader() {}
TxtLoader::~TxtLoader() = default;

void TxtLoader::setLocale (LangIdTable_t locale)
{
    if (locale >= LANG_EN && locale < LANG_MAX)
        m_locale = locale;
}

LangIdTable_t TxtLoader::chkLocale() { return LANG_EN; }
void TxtLoader::Load (FlgTable_t) {}
const juce::String& TxtLoader::getFont() { return m_empty; }
const juce::String& TxtLoader::getFont (LangIdTable_t) { return m_empty; }
const juce::String& TxtLoader::getLang (LangIdTable_t) { return m_empty; }
const juce::String& TxtLoader::getString (StrIdTable_t) { return m_empty; }
bool TxtLoader::isEnabled (LangIdTable_t locale) const { return locale >= LANG_EN && locale < LANG_MAX && m_enable[locale]; }
