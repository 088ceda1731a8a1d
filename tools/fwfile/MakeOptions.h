#pragma once

// The arguments of `krvtm40-fwfile make`, checked so that only a file the
// updater accepts can be made.

#include <juce_core/juce_core.h>

#include <cstdint>

namespace fwfile
{

struct MakeOptions
{
    int kind = 0;
    juce::String version;
    uint32_t dateWord = 0;
    uint32_t seed = 1;
    juce::String outDir;
};

struct ParsedMake
{
    MakeOptions options;
    juce::String error;     // empty when the arguments are good

    bool ok() const { return error.isEmpty(); }
};

// Arguments after "make": --kind 1|2 --version D.DD --date 0xCCYYMMDD [--seed N] OUT_DIR,
// options in any order, each also as --name=value.
ParsedMake parseMakeArguments (const juce::StringArray& args);

} // namespace fwfile
