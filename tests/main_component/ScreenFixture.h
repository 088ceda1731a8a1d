#pragma once

// A MainComponent inside a plain parent that stands in for the window (its
// name is the window title), with its screen state set directly, and helpers
// to read what the screen shows: the laid-out lines and a snapshot.

#include "main_component/MainComponent.h"
#include "text/Loader.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace uitest
{
inline bool pumpUntil (const std::function<bool()>& done, int boundMs = 10000)
{
    const auto end = juce::Time::getMillisecondCounterHiRes() + boundMs;
    while (! done())
    {
        if (juce::Time::getMillisecondCounterHiRes() > end)
            return false;
        juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
    }
    return true;
}

// One laid-out line of screenText: its text (line feeds dropped), where its
// first glyph starts and its baseline.
struct TextLine
{
    juce::String text;
    float left = 0.0f;
    float top = 0.0f;
    float baseline = 0.0f;
};

inline std::vector<TextLine> linesOf (juce::GlyphArrangement& glyphs)
{
    std::vector<TextLine> lines;
    for (int i = 0; i < glyphs.getNumGlyphs(); ++i)
    {
        const auto& g = glyphs.getGlyph (i);
        const auto c = g.getCharacter();
        if (c == '\n' || c == '\r')
            continue;
        if (lines.empty() || std::abs (lines.back().baseline - g.getBaselineY()) > 0.5f)
            lines.push_back ({ {}, g.getLeft(), g.getBounds().getY(), g.getBaselineY() });
        lines.back().text += juce::String::charToString (c);
    }
    return lines;
}

inline juce::File artefactDirectory()
{
    auto dir = juce::File (KRV_UI_ARTEFACT_DIR);
    dir.createDirectory();
    return dir;
}

class ScreenFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        component = std::make_unique<MainComponent>();
        window.setSize (404, 126);
        window.addAndMakeVisible (*component);
        component->setBounds (0, 0, 404, 126);
        // Let the selector's own notification of the detected language pass
        // before a test picks another one.
        juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    }

    void TearDown() override
    {
        window.removeAllChildren();
        component.reset();
    }

    MainComponent& c() { return *component; }

    void setLanguage (LangIdTable_t language)
    {
        TxtLoader::getInstance()->setLocale (language);
        c().screenBuilt = false;
    }

    // Sets what the update thread would have published, then the state, and
    // rebuilds as the thread's request would.
    void show (int32_t state)
    {
        c().updFileStatus = 8;
        c().updFileKind = 1;
        c().devVersion = "1.00";
        c().updFileVersion = "1.02";
        c().updState = state;
        c().handleAsyncUpdate();
    }

    juce::Image snapshot() { return c().createComponentSnapshot (c().getLocalBounds(), true, 1.0f); }

    juce::Image saveSnapshot (const juce::String& name)
    {
        auto image = snapshot();
        auto file = artefactDirectory().getChildFile (name + ".png");
        file.deleteFile();
        juce::FileOutputStream out (file);
        juce::PNGImageFormat().writeImageToStream (image, out);
        return image;
    }

    std::vector<TextLine> lines() { return linesOf (c().screenText); }

    const juce::String& text (StrIdTable_t id) { return TxtLoader::getInstance()->getString (id); }

    juce::Component window;   // stands in for the main window: its name is the title
    std::unique_ptr<MainComponent> component;
};
} // namespace uitest
