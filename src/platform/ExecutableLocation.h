#pragma once

#include <juce_core/juce_core.h>

namespace platform
{
// The running program's own file. On Linux the framework's
// currentExecutableFile is derived from argv[0], which is wrong when the
// program was started by a bare name found on PATH (it resolves against the
// working directory); the kernel's /proc/self/exe link is not.
juce::File runningExecutableFile();
} // namespace platform
