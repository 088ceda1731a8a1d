#include "FontCoverage.h"
#include "Table.h"

#include <FontResolver.h>

void declareFontCoverage (const juce::String (&fontRow)[LANG_MAX])
{
    for (int language = LANG_EN; language < LANG_MAX; ++language)
    {
        auto text = StrRes::LANGUAGE_SELECTION[language];

        for (int id = NULL_STR; id < STR_MAX; ++id)
            text += StrRes::TEXTS[id][language];

        platform::requireCoverage (fontRow[language], plangList[language], text);
    }
}
