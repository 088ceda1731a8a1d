#include "ReportText.h"

#include "UpdateFileFormat.h"
#include "UpdateState.h"

namespace fwfile
{

namespace
{
juce::String hex (uint32_t value, int digits)
{
    return "0x" + juce::String::toHexString ((juce::int64) value).toUpperCase().paddedLeft ('0', digits);
}

juce::String verdictWord (bool ok)
{
    return ok ? "ok" : "FAILS";
}

juce::String line (const char* label, const juce::String& text)
{
    return juce::String (label).paddedRight (' ', 10) + text + "\n";
}

juce::String kindText (int kind)
{
    if (kind == 1)
        return "1 (For SH7269)";
    if (kind == 2)
        return "2 (For RT1062)";
    return "none: the updater only picks \"" + updfile::fileNameWildcard (1) + "\" ("
         + juce::String (updfile::fileNameLength (1)) + " characters) or \"" + updfile::fileNameWildcard (2)
         + "\" (" + juce::String (updfile::fileNameLength (2)) + " characters)";
}

// The date word is packed BCD: century, year, month, day.
juce::String dateText (uint32_t word)
{
    const auto digits = juce::String::toHexString ((juce::int64) word).toUpperCase().paddedLeft ('0', 8);
    return hex (word, 8) + " (" + digits.substring (0, 4) + "-" + digits.substring (4, 6) + "-" + digits.substring (6) + ")";
}

juce::String fieldLines (const FileReport& r)
{
    if (! r.fieldsRead)
        return line ("date:", "not read (the size is wrong)")
             + line ("version:", "not read (the size is wrong)")
             + line ("crc:", "not read (the size is wrong)");

    return line ("date:", dateText (r.dateWord) + ", at most " + hex (0x20501231, 8) + " byte by byte: " + verdictWord (r.dateOk))
         + line ("version:", "\"" + r.versionText + "\", digit \".\" digit digit: " + verdictWord (r.versionOk))
         + line ("crc:", "stored " + hex (r.crcStored, 4) + ", computed " + hex (r.crcComputed, 4) + ": " + verdictWord (r.crcOk));
}
}

juce::String describeFileError (int errorId)
{
    switch (errorId)
    {
        case ERR_FILE_MISSING: return "0x0E01 ERR_FILE_MISSING: the updater does not find a file of this name";
        case ERR_FILE_LOAD:    return "0x0E02 ERR_FILE_LOAD: the file cannot be loaded";
        case ERR_FILE_SIZE:    return "0x0E03 ERR_FILE_SIZE: the file is not exactly 2097152 bytes";
        case ERR_FILE_VERSION: return "0x0E04 ERR_FILE_VERSION: the date word or the version text is out of range";
        case ERR_FILE_CRC:     return "0x0E05 ERR_FILE_CRC: the CRC does not match";
        default:               return {};
    }
}

juce::String formatReport (const FileReport& r, const juce::String& shownPath)
{
    auto text = line ("file:", shownPath)
              + line ("kind:", kindText (r.kind))
              + line ("size:", juce::String (r.size) + " bytes, expected " + juce::String (updfile::fileSize) + ": " + verdictWord (r.sizeOk))
              + fieldLines (r);

    return text + line ("verdict:", r.verdict == 1 ? juce::String ("valid") : "INVALID, " + describeFileError (r.verdict));
}

} // namespace fwfile
