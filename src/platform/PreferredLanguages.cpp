#include "PreferredLanguages.h"

#include <unicode/uloc.h>

#include <cstdlib>

namespace platform
{
namespace
{
juce::String environmentValue (const char* name)
{
    const char* value = std::getenv (name);
    return value != nullptr ? juce::String::fromUTF8 (value) : juce::String();
}

// Strips ".UTF-8" and "@euro": ICU would turn a modifier into a keyword.
juce::String withoutEncodingAndModifier (const juce::String& posixLocale)
{
    return posixLocale.upToFirstOccurrenceOf (".", false, false)
                      .upToFirstOccurrenceOf ("@", false, false)
                      .trim();
}

bool namesNoLanguage (const juce::String& name)
{
    return name.isEmpty() || name == "C" || name == "POSIX";
}

// Chinese with a region but no script gets the script the region implies
// (zh_TW -> zh_Hant_TW). Without a region the script stays unknown.
juce::String withChineseScript (const juce::String& icuId)
{
    char language[ULOC_LANG_CAPACITY] = {};
    char script[ULOC_SCRIPT_CAPACITY] = {};
    char region[ULOC_COUNTRY_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_getLanguage (icuId.toRawUTF8(), language, sizeof (language), &status);
    uloc_getScript (icuId.toRawUTF8(), script, sizeof (script), &status);
    uloc_getCountry (icuId.toRawUTF8(), region, sizeof (region), &status);

    if (U_FAILURE (status) || juce::String (language) != "zh" || script[0] != 0 || region[0] == 0)
        return icuId;

    char likely[ULOC_FULLNAME_CAPACITY] = {};
    uloc_addLikelySubtags (icuId.toRawUTF8(), likely, sizeof (likely), &status);
    return U_SUCCESS (status) && status != U_STRING_NOT_TERMINATED_WARNING ? juce::String (likely) : icuId;
}
} // namespace

LocaleEnvironment readLocaleEnvironment()
{
    return { environmentValue ("LANGUAGE"), environmentValue ("LC_ALL"),
             environmentValue ("LC_MESSAGES"), environmentValue ("LANG") };
}

juce::String canonicalLocaleId (const juce::String& posixLocale)
{
    const auto name = withoutEncodingAndModifier (posixLocale);

    if (namesNoLanguage (name))
        return {};

    char canonical[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_canonicalize (name.toRawUTF8(), canonical, sizeof (canonical), &status);

    if (U_FAILURE (status) || status == U_STRING_NOT_TERMINATED_WARNING)
        return {};

    char tag[ULOC_FULLNAME_CAPACITY] = {};
    uloc_toLanguageTag (withChineseScript (canonical).toRawUTF8(), tag, sizeof (tag), false, &status);

    if (U_FAILURE (status) || status == U_STRING_NOT_TERMINATED_WARNING)
        return {};

    const juce::String result (tag);
    return result == "und" || result.startsWith ("und-") ? juce::String() : result;
}

juce::StringArray preferredLanguages (const LocaleEnvironment& environment)
{
    auto names = juce::StringArray::fromTokens (environment.language, ":", "");

    // Only the variable that governs messages counts, as for any program.
    for (const auto* messagesLocale : { &environment.lcAll, &environment.lcMessages, &environment.lang })
    {
        if (messagesLocale->isNotEmpty())
        {
            names.add (*messagesLocale);
            break;
        }
    }

    juce::StringArray result;

    for (const auto& name : names)
    {
        const auto id = canonicalLocaleId (name);

        if (id.isNotEmpty())
            result.add (id);
    }

    return result;
}

juce::StringArray preferredLanguages()
{
    return preferredLanguages (readLocaleEnvironment());
}
} // namespace platform
