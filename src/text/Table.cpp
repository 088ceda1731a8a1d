#include "Table.h"

const juce::String langList[LANG_MAX] =
{
    "en", "fr", "de", "es", "it", "nl", "ru", "pt", "zh-Hans", "zh-Hant", "ko", "ja"
};

const juce::String* plangList = langList;
