#include "ExecutableLocation.h"

namespace platform
{
juce::File runningExecutableFile()
{
#if JUCE_LINUX
    return juce::File::getSpecialLocation (juce::File::hostApplicationPath);
#else
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile);
#endif
}
} // namespace platform
