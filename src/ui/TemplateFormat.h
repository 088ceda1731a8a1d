#pragma once

#include <juce_core/juce_core.h>

namespace ui
{
// The buffer the texts are formatted into, terminator included.
constexpr size_t templateBufferSize = 256;

// Formats a template of the string tables printf-style over its UTF-8 form:
// "%s" with optional flags ("% s"), width ("%02s", padded with spaces) and
// precision takes the next argument (an empty one once they run out); "%%" is
// a percent sign; any other directive is copied as it stands, because the
// arguments are always texts. Width and precision count characters, not
// bytes. A result longer than the buffer is cut at the last whole character
// that fits, never inside a UTF-8 sequence.
juce::String formatTemplate (const juce::String& templateText, const juce::StringArray& args);

// The argument lists the screens pass: the product name, or a version text
// "d.dd" split into its major digit and its two minor digits, each followed
// by empty texts that no template consumes.
juce::StringArray productNameArgs (const juce::String& productName);
juce::StringArray versionArgs (const juce::String& version);
} // namespace ui
