#pragma once

#include <juce_core/juce_core.h>

namespace platform
{
// The locale variables that name the user's languages, as the process
// environment holds them (empty when unset).
struct LocaleEnvironment
{
    juce::String language;   // LANGUAGE: colon-separated, most preferred first
    juce::String lcAll;      // LC_ALL
    juce::String lcMessages; // LC_MESSAGES
    juce::String lang;       // LANG
};

LocaleEnvironment readLocaleEnvironment();

// The user's preferred languages, most preferred first, as canonical locale
// identifiers ("zh-Hans-CN", "pt-BR", "de"): the entries of LANGUAGE, then
// the locale that governs messages (LC_ALL, else LC_MESSAGES, else LANG).
// Entries that name no language ("C", "POSIX", empty) give nothing.
juce::StringArray preferredLanguages (const LocaleEnvironment& environment);
juce::StringArray preferredLanguages();

// Brings one POSIX locale name ("zh_CN.UTF-8", "de_DE@euro", "pt_BR") to the
// canonical identifier form: language, script (written for Chinese, whose
// texts differ by script), region; encoding and modifier dropped. Empty for
// "C", "POSIX" and names that are no locale.
juce::String canonicalLocaleId (const juce::String& posixLocale);
} // namespace platform
