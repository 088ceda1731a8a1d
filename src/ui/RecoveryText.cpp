// How the recovery text is built from its pieces.
#include "RecoveryText.h"

namespace ui
{
juce::String unitLine (int updFileKind)
{
    if (updFileKind == 2)
        return "For RT1062";
    if (updFileKind == 1)
        return "For SH7269";
    return "UNKNOWN CPU";
}

juce::String buildRecoveryText (TxtLoader& texts, int updFileKind)
{
    const juce::String rule ("-------------\n");
    juce::String text;
    text << texts.getString (STR_0015) << "\n"
         << texts.getString (STR_0016) << "\n"
         << texts.getString (STR_0017) << "\n"
         << "\n"
         << texts.getString (STR_0018) << "\n"
         << "\n"
         << texts.getString (STR_0019) << "\n"
         << "\n"
         << texts.getString (STR_0020) << "\n"
         << "\n"
         << "  - " << texts.getString (STR_0021) << "\n"
         << "     " << texts.getString (STR_0023) << "\n"
         << "\n"
         << "  - " << texts.getString (STR_0024) << "\n"
         << "     " << texts.getString (STR_0025) << "\n"
         << rule
         << unitLine (updFileKind) << "\n"
         << rule
         << "\n";
    return text;
}
} // namespace ui
