// How a template of the string tables is filled in, safely: the templates
// are data, so they are never handed to the C library as a format.
#include "TemplateFormat.h"

#include <string>

namespace ui
{
namespace
{
constexpr size_t maxResultBytes = templateBufferSize - 1;
constexpr int maxFieldWidth = (int) templateBufferSize;

struct Directive
{
    bool leftAlign = false;
    int width = 0;
    int precision = -1;
    char conversion = 0;
    size_t length = 0;   // bytes of the directive, '%' included
};

bool isContinuationByte (char c)
{
    return (static_cast<unsigned char> (c) & 0xC0) == 0x80;
}

size_t codePointCount (const std::string& s)
{
    size_t n = 0;
    for (auto c : s)
        n += isContinuationByte (c) ? 0 : 1;
    return n;
}

// The first n characters of s, never splitting a sequence.
std::string firstCharacters (const std::string& s, size_t n)
{
    size_t seen = 0;
    for (size_t i = 0; i < s.size(); ++i)
    {
        if (! isContinuationByte (s[i]) && seen++ == n)
            return s.substr (0, i);
    }
    return s;
}

int readNumber (const std::string& t, size_t& pos)
{
    int value = 0;
    while (pos < t.size() && t[pos] >= '0' && t[pos] <= '9')
        value = juce::jmin (maxFieldWidth, value * 10 + (t[pos++] - '0'));
    return value;
}

Directive parseDirective (const std::string& t, size_t start)
{
    Directive d;
    auto pos = start + 1;
    while (pos < t.size() && std::string ("-+ #0").find (t[pos]) != std::string::npos)
        d.leftAlign = d.leftAlign || t[pos++] == '-';
    d.width = readNumber (t, pos);
    if (pos < t.size() && t[pos] == '.')
        d.precision = readNumber (t, ++pos);
    d.conversion = pos < t.size() ? t[pos++] : 0;
    d.length = pos - start;
    return d;
}

std::string fillField (const Directive& d, const std::string& arg)
{
    auto text = d.precision >= 0 ? firstCharacters (arg, (size_t) d.precision) : arg;
    const auto chars = codePointCount (text);
    if ((size_t) d.width <= chars)
        return text;
    const std::string padding ((size_t) d.width - chars, ' ');
    return d.leftAlign ? text + padding : padding + text;
}

std::string cutToBuffer (std::string s)
{
    if (s.size() <= maxResultBytes)
        return s;
    auto end = maxResultBytes;
    while (end > 0 && isContinuationByte (s[end]))
        --end;
    s.resize (end);
    return s;
}
} // namespace

juce::String formatTemplate (const juce::String& templateText, const juce::StringArray& args)
{
    const std::string t (templateText.toRawUTF8());
    std::string out;
    int nextArg = 0;

    for (size_t pos = 0; pos < t.size() && out.size() <= maxResultBytes;)
    {
        if (t[pos] != '%')
        {
            out += t[pos++];
            continue;
        }

        const auto d = parseDirective (t, pos);
        if (d.conversion == '%' && d.length == 2)
            out += '%';
        else if (d.conversion == 's')
            out += fillField (d, nextArg < args.size() ? std::string (args[nextArg++].toRawUTF8()) : std::string());
        else
            out += t.substr (pos, d.length);
        pos += d.length;
    }

    const auto result = cutToBuffer (std::move (out));
    return juce::String::fromUTF8 (result.data(), (int) result.size());
}

juce::StringArray productNameArgs (const juce::String& productName)
{
    return juce::StringArray (productName, juce::String(), juce::String(), juce::String());
}

juce::StringArray versionArgs (const juce::String& version)
{
    return juce::StringArray (version.substring (0, 1), version.substring (2, 4), juce::String(), juce::String());
}
} // namespace ui
