#pragma once

#include "StrRes.h"

// The language codes in LangIdTable_t order. No code is a prefix of another,
// so at most one of them can begin any locale identifier.
extern const juce::String langList[LANG_MAX];

// The language detection reads the codes through this pointer.
extern const juce::String* plangList;
