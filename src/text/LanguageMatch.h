#pragma once

#include "StrRes.h"

// Picks the interface language from the user's preferred locale identifiers
// (canonical form, most preferred first): the first identifier that begins
// with one of the codes of langList, compared without regard to case and on
// at most its first 15 characters, gives that code's language. English when
// none does.
LangIdTable_t matchPreferredLanguage (const juce::StringArray& canonicalIds);

// The language whose code begins the identifier, or LANG_MAX if none does.
LangIdTable_t matchLanguageCode (const juce::String& canonicalId);
