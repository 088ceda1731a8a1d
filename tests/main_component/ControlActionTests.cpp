// What the buttons and the language selector do: the screen's controls, the
// states they write, and the quit sequence, also while the update thread
// waits for the emulated controller.
#include "EngineHarness.h"
#include "ScreenFixture.h"

using uitest::ScreenFixture;

namespace
{
void click (juce::Button& button)
{
    button.triggerClick();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
}

// The quit sequence leaves a zeroed response and a signalled event behind
// (there is no application object to quit in the tests).
void armQuitProbe (MainComponent& c)
{
    uint8_t marker[UpdatePacket::size];
    std::fill (std::begin (marker), std::end (marker), (uint8_t) 0xA5);
    c.inPacket.store (marker, sizeof (marker));
    c.responseEvent.reset();
}

bool responseZeroed (MainComponent& c)
{
    UpdatePacket packet;
    c.inPacket.copyTo (packet);
    return std::all_of (std::begin (packet.bytes), std::end (packet.bytes), [] (uint8_t b) { return b == 0; });
}

// Only without a thread: a waiting thread takes the event's signal itself.
bool quitSequenceRan (MainComponent& c)
{
    return responseZeroed (c) && c.responseEvent.wait (0);
}

juce::Label* selectorLabel (juce::ComboBox& box)
{
    for (auto* child : box.getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child))
            return label;
    return nullptr;
}

class Controls : public ScreenFixture
{
protected:
    void SetUp() override
    {
        platform::VirtualHidBus::instance().reset();
        ScreenFixture::SetUp();
        show (UPD_INIT);
    }
};
} // namespace

TEST_F (Controls, OkWithoutControllerShowsNotConnectedAndStartsNothing)
{
    ASSERT_EQ (c().hidCtrl->m_connected.load(), 0);
    click (*c().okButton);

    EXPECT_EQ (c().getState(), ERR_NOT_CONNECTED);
    EXPECT_FALSE (c().isThreadRunning());
    EXPECT_FALSE (c().okButton->isVisible());
    EXPECT_TRUE (c().cancelButton->isVisible());
    EXPECT_EQ (c().cancelButton->getBounds(), juce::Rectangle<int> (284, 86, 100, 20));
    EXPECT_EQ (c().cancelButton->getButtonText(), text (STR_0004));
}

TEST_F (Controls, StartMovesTheReadyScreenToBegin)
{
    show (UPD_READY);
    armQuitProbe (c());
    click (*c().okButton);

    EXPECT_EQ (c().getState(), UPD_BEGIN);
    EXPECT_TRUE (c().updStarted);
    EXPECT_FALSE (c().isThreadRunning()) << "Start leaves the thread to the running update";
    EXPECT_FALSE (quitSequenceRan (c()));
}

TEST_F (Controls, OkOnCompletionQuitsOnlyOnceTheThreadHasFinished)
{
    c().updStarted = true;
    show (UPD_COMPLETE);
    armQuitProbe (c());
    click (*c().okButton);
    EXPECT_FALSE (quitSequenceRan (c()));
    EXPECT_EQ (c().getState(), UPD_COMPLETE);

    c().updFinished = 1;
    click (*c().okButton);
    EXPECT_TRUE (quitSequenceRan (c()));
}

TEST_F (Controls, CancelQuitsAndOtherButtonsAreIgnored)
{
    armQuitProbe (c());
    juce::TextButton stranger;
    c().buttonClicked (&stranger);
    EXPECT_FALSE (quitSequenceRan (c()));
    EXPECT_EQ (c().getState(), UPD_INIT);

    click (*c().cancelButton);
    EXPECT_TRUE (quitSequenceRan (c()));
}

TEST_F (Controls, PickingALanguageChangesEverythingAtOnce)
{
    c().langCombo->setSelectedId (LANG_JA + 1, juce::sendNotificationSync);

    EXPECT_EQ (TxtLoader::getInstance()->getLocale(), LANG_JA);
    EXPECT_EQ (window.getName(), TxtLoader::getInstance()->getString (STR_0000));
    const auto l = lines();
    ASSERT_GE (l.size(), 2u);
    EXPECT_EQ (l[0].text, text (STR_0005));
    EXPECT_TRUE (text (STR_0006).startsWith (l[1].text.trim()));
    EXPECT_EQ (c().okButton->getButtonText(), text (STR_0001));
    EXPECT_EQ (c().cancelButton->getButtonText(), juce::String::fromUTF8 ("キャンセル"));
    EXPECT_EQ (c().okButton->getFontName(), "Hiragino Sans W5");
    EXPECT_EQ (c().cancelButton->getFontName(), "Hiragino Sans W5");
    auto* label = selectorLabel (*c().langCombo);
    ASSERT_NE (label, nullptr);
    EXPECT_EQ (label->getFont().getTypefaceName(), "Hiragino Sans W5");
    EXPECT_EQ (label->getText(), juce::String::fromUTF8 ("日本語"));
}

TEST_F (Controls, PickingTheCurrentLanguageLaysOutAgain)
{
    c().langCombo->setSelectedId (LANG_DE + 1, juce::sendNotificationSync);
    ASSERT_EQ (TxtLoader::getInstance()->getLocale(), LANG_DE);

    // Stale layout: the same pick must rebuild the text and the selector's font.
    c().screenText.clear();
    auto* label = selectorLabel (*c().langCombo);
    ASSERT_NE (label, nullptr);
    label->setFont (juce::Font ("Stale", 9.0f, juce::Font::plain));
    c().comboBoxChanged (c().langCombo.get());

    EXPECT_EQ (TxtLoader::getInstance()->getLocale(), LANG_DE);
    ASSERT_FALSE (lines().empty());
    EXPECT_EQ (lines()[0].text, text (STR_0005));
    EXPECT_EQ (label->getFont().getTypefaceName(), "Verdana");
}

TEST_F (Controls, RebuildWithUnchangedInputsTouchesNothing)
{
    // The update thread asks for a rebuild at every pass; the second request
    // with the same inputs must not lay anything out again.
    show (UPD_READY);
    c().screenText.clear();
    c().handleAsyncUpdate();
    EXPECT_TRUE (lines().empty()) << "unchanged inputs rebuilt the screen";

    c().devVersion = "1.01";
    c().handleAsyncUpdate();
    EXPECT_FALSE (lines().empty()) << "a changed input must rebuild";
}

namespace
{
// The real update thread against the emulated controller, the buttons
// clicked as the user would.
class ControlsWithController : public enginetest::EngineHarness
{
protected:
    MainComponent& c() { return *component; }

    void startWith (const std::function<void (emu::ControllerConfig&)>& configure = {})
    {
        if (configure)
            configure (controllerConfig);
        writeValidFile();
        createComponent();
        c().setSize (404, 126);
    }

    void quitAndExpectTheThreadGone()
    {
        armQuitProbe (c());
        click (*c().cancelButton);
        EXPECT_TRUE (responseZeroed (c()));
        EXPECT_FALSE (c().isThreadRunning()) << "the click returns once the thread is gone (5 s bound)";
    }
};
} // namespace

TEST_F (ControlsWithController, CancelWhileTheChecksWaitForTheController)
{
    startWith ([] (emu::ControllerConfig& config) { config.faults.silentOn = { CMD_GET_MODE, 1 }; });
    click (*c().okButton);
    ASSERT_TRUE (enginetest::pumpUntil ([this] { return controller->requestCount() > 0; }, 10000));
    ASSERT_TRUE (c().isThreadRunning());
    quitAndExpectTheThreadGone();
}

TEST_F (ControlsWithController, CloseOnTheReadyScreen)
{
    startWith();
    click (*c().okButton);
    ASSERT_TRUE (waitForState (UPD_READY));
    EXPECT_EQ (c().okButton->getButtonText(), TxtLoader::getInstance()->getString (STR_0002));
    quitAndExpectTheThreadGone();
    EXPECT_EQ (controller->dataPackets(), 0) << "no transfer without Start";
}

TEST_F (ControlsWithController, CloseAfterStartBeforeTheTransfer)
{
    startWith ([] (emu::ControllerConfig& config) { config.faults.silentOn = { CMD_BEGIN, 1 }; });
    click (*c().okButton);
    ASSERT_TRUE (waitForState (UPD_READY));
    click (*c().okButton);
    ASSERT_TRUE (enginetest::pumpUntil ([this] { return controller->requests().size() > 2; }, 10000));
    ASSERT_EQ (c().getState(), UPD_BEGIN);
    ASSERT_TRUE (c().cancelButton->isVisible());
    quitAndExpectTheThreadGone();
}

TEST_F (ControlsWithController, WholeUpdateThenOkQuits)
{
    startWith();
    click (*c().okButton);
    ASSERT_TRUE (waitForState (UPD_READY));
    click (*c().okButton);
    ASSERT_TRUE (enginetest::pumpUntil ([this] { return c().updFinished.load() == 1; }, 60000));
    ASSERT_TRUE (waitForThreadEnd());
    enginetest::pumpFor (100);

    EXPECT_EQ (c().getState(), UPD_COMPLETE);
    EXPECT_TRUE (c().okButton->isVisible());
    EXPECT_FALSE (c().cancelButton->isVisible());
    armQuitProbe (c());
    click (*c().okButton);
    EXPECT_TRUE (quitSequenceRan (c()));
}
