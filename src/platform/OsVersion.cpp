#include "OsVersion.h"

namespace platform
{
uint16_t osTypeFromProductVersion (const juce::String& productVersion)
{
    juce::StringArray fields;
    fields.addTokens (productVersion, ".", {});
    if (fields.size() < 2)
        return 0x100;
    return (uint16_t) (0x100 + fields[1].getIntValue());
}

uint16_t currentOsTypeCode()
{
#if JUCE_MAC
    return osTypeFromProductVersion (juce::SystemStats::getOperatingSystemName().fromLastOccurrenceOf (" ", false, false));
#else
    return linuxOsTypeCode;
#endif
}
} // namespace platform
