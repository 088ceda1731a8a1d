#include "MakeOptions.h"

#include "UpdateFileFormat.h"

#include <cerrno>
#include <cstdlib>

namespace fwfile
{

namespace
{
// A whole unsigned 32-bit number: decimal, or hexadecimal after "0x".
bool parseUnsigned32 (const juce::String& text, bool requireHex, uint32_t& value)
{
    const bool isHex = text.startsWithIgnoreCase ("0x");
    if (requireHex && ! isHex)
        return false;
    const auto digits = isHex ? text.substring (2) : text;
    if (digits.isEmpty() || ! digits.containsOnly (isHex ? "0123456789abcdefABCDEF" : "0123456789"))
        return false;

    errno = 0;
    char* end = nullptr;
    const auto number = std::strtoull (digits.toRawUTF8(), &end, isHex ? 16 : 10);
    if (errno != 0 || *end != 0 || number > 0xFFFFFFFFull)
        return false;
    value = (uint32_t) number;
    return true;
}

juce::String checkKind (const juce::String& text, MakeOptions& o)
{
    if (text != "1" && text != "2")
        return "--kind must be 1 or 2, not \"" + text + "\"";
    o.kind = text.getIntValue();
    return {};
}

juce::String checkVersion (const juce::String& text, MakeOptions& o)
{
    // The file holds exactly four characters, so a longer text cannot be stored.
    if (text.length() != 4 || ! updfile::isValidVersionText (text))
        return "--version must be digit \".\" digit digit (like 1.02), not \"" + text + "\"";
    o.version = text;
    return {};
}

juce::String checkDate (const juce::String& text, MakeOptions& o)
{
    uint32_t word = 0;
    if (! parseUnsigned32 (text, true, word))
        return "--date must be a hexadecimal date word like 0x20240315, not \"" + text + "\"";

    const uint8_t bytes[4] = { (uint8_t) (word >> 24), (uint8_t) (word >> 16), (uint8_t) (word >> 8), (uint8_t) word };
    if (! updfile::dateBytesWithinBounds (bytes))
        return "--date " + text + " is out of range: century at most 0x20, year 0x50, month 0x12, day 0x31";
    o.dateWord = word;
    return {};
}

juce::String checkSeed (const juce::String& text, MakeOptions& o)
{
    if (! parseUnsigned32 (text, false, o.seed))
        return "--seed must be a number from 0 to 4294967295, not \"" + text + "\"";
    return {};
}

using Checker = juce::String (*) (const juce::String&, MakeOptions&);

Checker checkerFor (const juce::String& name)
{
    if (name == "--kind") return checkKind;
    if (name == "--version") return checkVersion;
    if (name == "--date") return checkDate;
    if (name == "--seed") return checkSeed;
    return nullptr;
}

juce::String missingRequired (const juce::StringArray& seen)
{
    for (auto* name : { "--kind", "--version", "--date" })
        if (! seen.contains (name))
            return juce::String ("missing ") + name;
    return {};
}
}

ParsedMake parseMakeArguments (const juce::StringArray& args)
{
    ParsedMake result;
    juce::StringArray seen;
    juce::StringArray positional;

    for (int i = 0; i < args.size() && result.ok(); ++i)
    {
        auto name = args[i];
        if (! name.startsWith ("--"))
        {
            positional.add (name);
            continue;
        }

        juce::String value;
        const bool inlineValue = name.contains ("=");
        if (inlineValue)
        {
            value = name.fromFirstOccurrenceOf ("=", false, false);
            name = name.upToFirstOccurrenceOf ("=", false, false);
        }

        const auto checker = checkerFor (name);
        if (checker == nullptr)
            result.error = "unknown option \"" + name + "\"";
        else if (seen.contains (name))
            result.error = name + " is given twice";
        else if (! inlineValue && i + 1 >= args.size())
            result.error = name + " needs a value";
        else
        {
            seen.add (name);
            result.error = checker (inlineValue ? value : args[++i], result.options);
        }
    }

    if (result.ok())
        result.error = missingRequired (seen);
    if (result.ok() && positional.size() != 1)
        result.error = positional.isEmpty() ? "missing OUT_DIR" : "more than one OUT_DIR given";
    if (result.ok())
        result.options.outDir = positional[0];
    return result;
}

} // namespace fwfile
