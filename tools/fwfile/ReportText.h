#pragma once

// The text `krvtm40-fwfile info` prints for one file.

#include "FileReport.h"

namespace fwfile
{

// "0x0E05 ERR_FILE_CRC: the CRC does not match"; empty for an ID that is not
// an update-file error.
juce::String describeFileError (int errorId);

// `shownPath` is the file as the user should see it (the full path).
juce::String formatReport (const FileReport& report, const juce::String& shownPath);

} // namespace fwfile
