// The language selector's look: its shown item and its menu, each language
// name drawn in the font of its own language.
#include "CustomLookAndFeel.h"
#include "LanguageFont.h"

#include "../platform/FontResolver.h"
#include "../text/Loader.h"

namespace juce
{
namespace
{
constexpr float menuItemFontHeight = 17.0f;
const Colour highlightedItemBackground (0xFF000040u);
const Colour separatorUpper (0x33000000u);
const Colour separatorLower (0x66FFFFFFu);

void drawSeparator (Graphics& g, const Rectangle<int>& area)
{
    auto r = area.reduced (5, 0);
    r.removeFromTop (r.getHeight() / 2 - 1);
    g.setColour (separatorUpper);
    g.fillRect (r.removeFromTop (1));
    g.setColour (separatorLower);
    g.fillRect (r.removeFromTop (1));
}
} // namespace

void LangLookAndFeel::setDefaultSansSerifTypefaceName (const String& newName)
{
    sansSerifName = newName;
    LookAndFeel_V2::setDefaultSansSerifTypefaceName (newName);
}

Typeface::Ptr LangLookAndFeel::getTypefaceForFont (const Font& font)
{
    if (font.getTypefaceName() != Font::getDefaultSansSerifFontName() || sansSerifName.isEmpty())
        return platform::typefaceForFont (font);

    Font named (font);
    named.setTypefaceName (sansSerifName);
    return platform::typefaceForFont (named);
}

Font LangLookAndFeel::getComboBoxFont (ComboBox& box)
{
    const auto language = static_cast<LangIdTable_t> (box.getSelectedId() - 1);
    return ui::languageFont (TxtLoader::getInstance()->getFont (language),
                             jmin (15.0f, (float) box.getHeight() * 0.85f), Font::plain);
}

Font LangLookAndFeel::getMenuItemFont (const String& text)
{
    auto* loader = TxtLoader::getInstance();
    for (int i = LANG_EN; i < LANG_MAX; ++i)
    {
        const auto language = static_cast<LangIdTable_t> (i);
        if (text == loader->getLang (language))
            return ui::languageFont (loader->getFont (language), menuItemFontHeight, Font::plain);
    }
    return getPopupMenuFont();
}

void LangLookAndFeel::drawPopupMenuItem (Graphics& g, const Rectangle<int>& area, bool isSeparator, bool isActive,
                                         bool isHighlighted, bool isTicked, bool hasSubMenu, const String& text,
                                         const String& shortcutKeyText, const Drawable* icon, const Colour* textColour)
{
    if (isSeparator)
    {
        drawSeparator (g, area);
        return;
    }

    auto r = area.reduced (1);
    if (isHighlighted)
    {
        g.setColour (highlightedItemBackground);
        g.fillRect (r);
        g.setColour (findColour (PopupMenu::highlightedTextColourId));
    }
    else
    {
        g.setColour (textColour != nullptr ? *textColour : findColour (PopupMenu::textColourId));
    }

    if (! isActive)
        g.setOpacity (0.3f);

    auto font = getMenuItemFont (text);
    const auto maxFontHeight = (float) area.getHeight() / 1.3f;
    if (font.getHeight() > maxFontHeight)
        font.setHeight (maxFontHeight);
    g.setFont (font);

    const auto iconArea = r.removeFromLeft ((r.getHeight() * 5) / 4).reduced (3).toFloat();
    if (icon != nullptr)
    {
        icon->drawWithin (g, iconArea, RectanglePlacement::centred | RectanglePlacement::onlyReduceInSize, 1.0f);
    }
    else if (isTicked)
    {
        const auto tick = getTickShape (1.0f);
        g.fillPath (tick, tick.getTransformToScaleToFit (iconArea, true));
    }

    if (hasSubMenu)
    {
        const auto arrowH = 0.6f * getPopupMenuFont().getAscent();
        const auto x = (float) r.removeFromRight ((int) arrowH).getX();
        const auto halfH = (float) r.getCentreY();
        Path arrow;
        arrow.addTriangle (x, halfH - arrowH * 0.5f, x, halfH + arrowH * 0.5f, x + arrowH * 0.6f, halfH);
        g.fillPath (arrow);
    }

    r.removeFromRight (3);
    g.drawFittedText (text, r, Justification::centredLeft, 1);

    if (shortcutKeyText.isNotEmpty())
    {
        Font shortcutFont (font);
        shortcutFont.setHeight (shortcutFont.getHeight() * 0.75f);
        shortcutFont.setHorizontalScale (0.95f);
        g.setFont (shortcutFont);
        g.drawText (shortcutKeyText, r, Justification::centredRight, true);
    }
}
} // namespace juce
