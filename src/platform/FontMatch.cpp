#include "FontMatch.h"

#include <fontconfig/fontconfig.h>
#include <unicode/uloc.h>

#include <memory>

namespace platform
{
namespace
{
struct PatternDeleter { void operator() (FcPattern* p) const { FcPatternDestroy (p); } };
struct CharSetDeleter { void operator() (FcCharSet* c) const { FcCharSetDestroy (c); } };
struct FontSetDeleter { void operator() (FcFontSet* s) const { FcFontSetDestroy (s); } };

using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
using CharSetPtr = std::unique_ptr<FcCharSet, CharSetDeleter>;
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;

const FcChar8* fcText (const juce::String& text)
{
    return reinterpret_cast<const FcChar8*> (text.toRawUTF8());
}

// fontconfig names Chinese orthographies by region ("zh-cn", "zh-tw"), not
// by script: a code with a script takes the region its script implies.
juce::String fontconfigLanguage (const juce::String& code)
{
    char icuId[ULOC_FULLNAME_CAPACITY] = {};
    char likely[ULOC_FULLNAME_CAPACITY] = {};
    char language[ULOC_LANG_CAPACITY] = {};
    char script[ULOC_SCRIPT_CAPACITY] = {};
    char region[ULOC_COUNTRY_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_forLanguageTag (code.toRawUTF8(), icuId, sizeof (icuId), nullptr, &status);
    uloc_getScript (icuId, script, sizeof (script), &status);
    uloc_addLikelySubtags (icuId, likely, sizeof (likely), &status);
    uloc_getLanguage (likely, language, sizeof (language), &status);
    uloc_getCountry (likely, region, sizeof (region), &status);

    if (U_FAILURE (status) || language[0] == 0)
        return code.toLowerCase();

    if (script[0] == 0 || region[0] == 0)
        return juce::String (language);

    return (juce::String (language) + "-" + juce::String (region)).toLowerCase();
}

juce::String fontconfigFamily (const juce::String& family)
{
    if (family == juce::Font::getDefaultSansSerifFontName())
        return "sans-serif";
    if (family == juce::Font::getDefaultSerifFontName())
        return "serif";
    if (family == juce::Font::getDefaultMonospacedFontName())
        return "monospace";
    return family;
}

PatternPtr makePattern (const FontRequest& request)
{
    PatternPtr pattern (FcPatternCreate());
    FcPatternAddString (pattern.get(), FC_FAMILY, fcText (fontconfigFamily (request.family)));

    for (const auto& language : request.languages)
        FcPatternAddString (pattern.get(), FC_LANG, fcText (fontconfigLanguage (language)));

    FcPatternAddInteger (pattern.get(), FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger (pattern.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool (pattern.get(), FC_OUTLINE, FcTrue);
    FcConfigSubstitute (nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute (pattern.get());
    return pattern;
}

CharSetPtr makeCharSet (const std::set<juce::juce_wchar>& characters)
{
    CharSetPtr charSet (FcCharSetCreate());

    for (auto c : characters)
        FcCharSetAddChar (charSet.get(), static_cast<FcChar32> (c));

    return charSet;
}

bool isOutlineFont (FcPattern* font)
{
    FcBool outline = FcFalse;
    return FcPatternGetBool (font, FC_OUTLINE, 0, &outline) == FcResultMatch && outline;
}

FcChar32 missingCount (FcPattern* font, const FcCharSet* required)
{
    FcCharSet* available = nullptr;

    if (FcPatternGetCharSet (font, FC_CHARSET, 0, &available) != FcResultMatch)
        return FcCharSetCount (required);

    return FcCharSetSubtractCount (required, available);
}

FontFace faceOf (FcPattern* font)
{
    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    int index = 0;
    FcPatternGetString (font, FC_FILE, 0, &file);
    FcPatternGetString (font, FC_FAMILY, 0, &family);
    FcPatternGetInteger (font, FC_INDEX, 0, &index);

    if (file == nullptr)
        return {};

    return { juce::File (juce::String::fromUTF8 (reinterpret_cast<const char*> (file))), index,
             family != nullptr ? juce::String::fromUTF8 (reinterpret_cast<const char*> (family)) : juce::String() };
}
} // namespace

FontFace matchFontFace (const FontRequest& request)
{
    const auto pattern = makePattern (request);
    const auto required = makeCharSet (request.characters);
    FcResult result = FcResultNoMatch;
    FontSetPtr fonts (FcFontSort (nullptr, pattern.get(), FcFalse, nullptr, &result));

    if (fonts == nullptr)
        return {};

    FcPattern* best = nullptr;
    auto fewestMissing = std::numeric_limits<FcChar32>::max();

    for (int i = 0; i < fonts->nfont && fewestMissing > 0; ++i)
    {
        auto* font = fonts->fonts[i];

        if (! isOutlineFont (font))
            continue;

        const auto missing = missingCount (font, required.get());

        if (missing < fewestMissing)
        {
            best = font;
            fewestMissing = missing;
        }
    }

    return best != nullptr ? faceOf (best) : FontFace();
}
} // namespace platform
