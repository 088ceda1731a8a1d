// Which texts each screen shows, by status value.
#include "ScreenTexts.h"

#include "RecoveryText.h"
#include "TemplateFormat.h"

#include "../main_component/UpdateState.h"

namespace ui
{
namespace
{
constexpr int32_t fileChecksPassed = 8;

juce::String withProductName (TxtLoader& texts, StrIdTable_t id)
{
    return formatTemplate (texts.getString (id), productNameArgs (texts.getString (NAME_001)));
}

ScreenTexts readyTexts (const ScreenInputs& in, TxtLoader& texts)
{
    if (in.fileStatus != fileChecksPassed)
        return {};
    ScreenTexts s;
    s.head = withProductName (texts, STR_0009);
    s.body = formatTemplate (texts.getString (STR_0010), versionArgs (in.devVersion)) + "\n"
             + formatTemplate (texts.getString (STR_0011), versionArgs (in.fileVersion));
    return s;
}

ScreenTexts errorTexts (const ScreenInputs& in, TxtLoader& texts)
{
    ScreenTexts s;
    if (in.state <= ERR_FILE_CRC)
        s.error = texts.getString (STR_0007) + errorIdLine (in.state);
    else if (in.state == ERR_NOT_CONNECTED)
        s.error = withProductName (texts, STR_0008) + errorIdLine (in.state);
    else
        s.error = buildRecoveryText (texts, in.fileKind);
    return s;
}
} // namespace

bool ScreenInputs::operator== (const ScreenInputs& o) const
{
    return state == o.state && language == o.language && fileStatus == o.fileStatus && fileKind == o.fileKind
           && devVersion == o.devVersion && fileVersion == o.fileVersion && curUpdKind == o.curUpdKind
           && mainFwUpdating == o.mainFwUpdating && width == o.width && height == o.height
           && titleHolder == o.titleHolder;
}

juce::String errorIdLine (int32_t errorId)
{
    return "\n\nError ID:\t0x" + juce::String::toHexString ((int) errorId).toUpperCase().paddedLeft ('0', 4);
}

bool isRecoveryState (int32_t state)
{
    return isErrorState (state) && state > ERR_FILE_CRC && state != ERR_NOT_CONNECTED;
}

ScreenTexts screenTextsFor (const ScreenInputs& in, TxtLoader& texts)
{
    if (in.state == UPD_INIT)
        return { texts.getString (STR_0005) + "\n\n", true, texts.getString (STR_0006), {} };
    if (in.state == UPD_READY)
        return readyTexts (in, texts);
    if (isTransferPhase (in.state))
        return { withProductName (texts, STR_0012) + "\n\n", true, texts.getString (STR_0013), {} };
    if (in.state == UPD_COMPLETE)
        return { withProductName (texts, STR_0014), false, {}, {} };
    if (isErrorState (in.state))
        return errorTexts (in, texts);
    return {};
}
} // namespace ui
