#pragma once

// The two commands of krvtm40-fwfile. Each takes the arguments after its name,
// prints results on `out` and problems on `err`, and returns the exit status.

#include <juce_core/juce_core.h>

#include <ostream>

namespace fwfile
{

enum ExitStatus
{
    exitOk = 0,             // info: the updater accepts the file; make: the file was written
    exitInvalidFile = 1,    // info: a check fails (the verdict names it)
    exitUsage = 2,          // bad arguments
    exitIoError = 3         // a file cannot be read or written
};

int runInfo (const juce::StringArray& args, std::ostream& out, std::ostream& err);
int runMake (const juce::StringArray& args, std::ostream& out, std::ostream& err);

// Relative paths are taken from the working directory.
juce::File fileFromArgument (const juce::String& path);

} // namespace fwfile
