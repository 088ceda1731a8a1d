#include "LanguageMatch.h"
#include "Table.h"

namespace
{
// Identifiers are compared on at most this many characters; every code is
// far shorter, so a longer identifier still matches by its beginning.
constexpr int maxComparedLength = 15;
} // namespace

LangIdTable_t matchLanguageCode (const juce::String& canonicalId)
{
    const auto compared = canonicalId.substring (0, maxComparedLength);

    for (int i = LANG_EN; i < LANG_MAX; ++i)
        if (compared.startsWithIgnoreCase (plangList[i]))
            return static_cast<LangIdTable_t> (i);

    return LANG_MAX;
}

LangIdTable_t matchPreferredLanguage (const juce::StringArray& canonicalIds)
{
    for (const auto& id : canonicalIds)
    {
        const auto language = matchLanguageCode (id);

        if (language != LANG_MAX)
            return language;
    }

    return LANG_EN;
}
