#pragma once

#include "../text/Loader.h"

namespace ui
{
// The unit line of the recovery text for the update file's kind: 1 and 2 name
// the controller's processor, anything else is unknown.
juce::String unitLine (int updFileKind);

// The recovery instructions shown when the controller may be left without
// working firmware: what failed, how to start again, and for which unit.
juce::String buildRecoveryText (TxtLoader& texts, int updFileKind);
} // namespace ui
