#include "FontResolver.h"
#include "FontCollection.h"
#include "FontMatch.h"

#include <map>

namespace platform
{
namespace
{
struct Coverage
{
    juce::StringArray languages;
    std::set<juce::juce_wchar> characters;
};

// What each family name has to draw, and the typefaces already loaded: the
// CJK collections are large, so each face is read once however many names
// and styles resolve to it. Released with the framework's other singletons,
// before the font library the typefaces hold goes away.
struct FontCache : private juce::DeletedAtShutdown
{
    ~FontCache() override { clearSingletonInstance(); }

    JUCE_DECLARE_SINGLETON (FontCache, false)

    juce::CriticalSection lock;
    std::map<juce::String, Coverage> coverage; // by lower-case family name
    Coverage everything;
    std::map<juce::String, FontFace> faces;    // by family and style
    std::map<juce::String, juce::Typeface::Ptr> typefaces; // by file and index
};

JUCE_IMPLEMENT_SINGLETON (FontCache)

FontCache& cache()
{
    return *FontCache::getInstance();
}

juce::String styleKey (const juce::String& family, bool bold, bool italic)
{
    return family.toLowerCase() + (bold ? "|b" : "|") + (italic ? "i" : "");
}

// Digits, Latin letters and signs are drawn with every font (versions, error
// IDs, the progress percentage), declared or not.
void addPrintableAscii (std::set<juce::juce_wchar>& characters)
{
    for (juce::juce_wchar c = 0x20; c < 0x7F; ++c)
        characters.insert (c);
}

bool addText (Coverage& coverage, const juce::String& language, const juce::String& text)
{
    const auto before = coverage.characters.size() + static_cast<size_t> (coverage.languages.size());
    coverage.languages.addIfNotAlreadyThere (language);

    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
        coverage.characters.insert (*p);

    return coverage.characters.size() + static_cast<size_t> (coverage.languages.size()) != before;
}

FontRequest makeRequest (FontCache& fonts, const juce::String& family, bool bold, bool italic)
{
    const auto declared = fonts.coverage.find (family.toLowerCase());
    const auto& coverage = declared != fonts.coverage.end() ? declared->second : fonts.everything;
    FontRequest request { family, {}, coverage.characters, bold, italic };

    // Undeclared names may draw any language: leave the glyph forms to the
    // user's locale rather than to whichever language was declared first.
    if (declared != fonts.coverage.end())
        request.languages = coverage.languages;

    addPrintableAscii (request.characters);
    return request;
}

juce::Typeface::Ptr loadTypeface (FontCache& fonts, const FontFace& face)
{
    const auto key = face.file.getFullPathName() + "#" + juce::String (face.index);
    const auto loaded = fonts.typefaces.find (key);

    if (loaded != fonts.typefaces.end())
        return loaded->second;

    const auto data = loadFontFace (face.file, face.index);
    juce::Typeface::Ptr typeface;

    if (! data.isEmpty())
        typeface = juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());

    fonts.typefaces[key] = typeface;
    return typeface;
}
} // namespace

void requireCoverage (const juce::String& family, const juce::String& language, const juce::String& text)
{
    auto& fonts = cache();
    bool grew = false;
    {
        const juce::ScopedLock sl (fonts.lock);
        grew = addText (fonts.coverage[family.toLowerCase()], language, text);
        grew = addText (fonts.everything, language, text) || grew;

        if (grew)
            fonts.faces.clear();
    }

    // Typefaces the framework resolved before may lack the new characters.
    if (grew)
        juce::Typeface::clearTypefaceCache();
}

FontFace resolveFontFace (const juce::String& family, bool bold, bool italic)
{
    auto& fonts = cache();
    const juce::ScopedLock sl (fonts.lock);
    const auto key = styleKey (family, bold, italic);
    const auto known = fonts.faces.find (key);

    if (known != fonts.faces.end())
        return known->second;

    const auto face = matchFontFace (makeRequest (fonts, family, bold, italic));
    fonts.faces[key] = face;
    return face;
}

juce::Typeface::Ptr typefaceForFont (const juce::Font& font)
{
    const auto face = resolveFontFace (font.getTypefaceName(), font.isBold(), font.isItalic());
    juce::Typeface::Ptr typeface;

    if (face.file != juce::File())
    {
        auto& fonts = cache();
        const juce::ScopedLock sl (fonts.lock);
        typeface = loadTypeface (fonts, face);
    }

    return typeface != nullptr ? typeface : juce::Font::getDefaultTypefaceForFont (font);
}
} // namespace platform
