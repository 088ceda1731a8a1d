// The controls, their layout and what the user's clicks do.
#include "MainComponent.h"

#include "../text/Loader.h"

namespace
{
const juce::Colour buttonColour (0xFFEAEAEAu);
const juce::Colour barForeground (0xFF3D3D3Du);
const juce::Colour barBackground (0xFF080808u);

void styleButton (AlineButton& button, juce::Button::Listener& listener)
{
    button.addListener (&listener);
    button.setStyle (juce::Font::bold);
    button.setColour (juce::TextButton::buttonColourId, buttonColour);
    button.setColour (juce::TextButton::buttonOnColourId, buttonColour);
}

void fillLanguages (juce::ComboBox& combo, TxtLoader& texts)
{
    for (int i = LANG_EN; i < LANG_MAX; ++i)
    {
        const auto language = static_cast<LangIdTable_t> (i);
        if (texts.isEnabled (language))
            combo.addItem (texts.getLang (language), i + 1);
    }
    combo.setSelectedId (texts.getLocale() + 1, juce::sendNotificationAsync);
}
} // namespace

void MainComponent::buildControls()
{
    TxtLoader::createInstance();
    langLookAndFeel.setDefaultSansSerifTypefaceName ("Hiragino Maru Gothic Pro W4");
    juce::LookAndFeel::setDefaultLookAndFeel (&langLookAndFeel);

    langCombo = std::make_unique<juce::ComboBox> ("langs");
    addAndMakeVisible (*langCombo);
    langCombo->setLookAndFeel (&langLookAndFeel);
    langCombo->addListener (this);
    langCombo->setWantsKeyboardFocus (false);
    fillLanguages (*langCombo, *TxtLoader::getInstance());

    progressLookAndFeel = std::make_unique<ProgressLookAndFeel>();
    progressBar = std::make_unique<juce::ProgressBar> (progressShown);
    addAndMakeVisible (*progressBar);
    progressBar->setLookAndFeel (progressLookAndFeel.get());
    progressBar->setColour (juce::ProgressBar::foregroundColourId, barForeground);
    progressBar->setColour (juce::ProgressBar::backgroundColourId, barBackground);

    okButton = std::make_unique<AlineButton> ("OK");
    addAndMakeVisible (*okButton);
    styleButton (*okButton, *this);

    cancelButton = std::make_unique<AlineButton> ("Cancel");
    addAndMakeVisible (*cancelButton);
    styleButton (*cancelButton, *this);

    // When the window gains the focus it goes to OK rather than to the
    // leftmost button.
    okButton->setExplicitFocusOrder (1);
    cancelButton->setExplicitFocusOrder (2);
}

void MainComponent::destroyControls()
{
    langCombo.reset();
    progressBar.reset();
    okButton.reset();
    cancelButton.reset();
    progressLookAndFeel.reset();
    // langLookAndFeel goes with the component; nothing may still point at it.
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}

void MainComponent::resized()
{
    UpdateDrawing();

    const auto w = getWidth();
    const auto h = getHeight();
    langCombo->setBounds (20, h - 80, w - 40, 20);
    progressBar->setBounds (langCombo->getBounds());
    if (okButton->isVisible())
    {
        okButton->setBounds (w - 120, h - 40, 100, 20);
        cancelButton->setBounds (w - 230, h - 40, 100, 20);
    }
    else
    {
        cancelButton->setBounds (w - 120, h - 40, 100, 20);
    }
}

void MainComponent::comboBoxChanged (juce::ComboBox* box)
{
    if (box != langCombo.get())
        return;

    auto* texts = TxtLoader::getInstance();
    const auto language = static_cast<LangIdTable_t> (box->getSelectedId() - 1);
    if (language != texts->getLocale())
        texts->setLocale (language);

    // Also for the same language: the selector's label takes its font anew
    // and the screen is rebuilt.
    box->resized();
    screenBuilt = false;
    UpdateDrawing();
}

void MainComponent::buttonClicked (juce::Button* button)
{
    if (button == cancelButton.get())
    {
        quit();
        return;
    }
    if (button != okButton.get())
        return;

    const auto state = updState.load();
    if (state == UPD_INIT)
    {
        // A second click while the checks run must not reset the event the
        // running thread waits on.
        if (isThreadRunning())
            return;
        if (hidCtrl != nullptr && hidCtrl->m_connected.load() != 0)
        {
            responseEvent.reset();
            startThread();
        }
        else
        {
            setStateUnlessRemoved (ERR_NOT_CONNECTED);
        }
        UpdateDrawing();
    }
    else if (state == UPD_READY)
    {
        updStarted = true;
        // A removal recorded meanwhile stays: Start does not undo it.
        setStateUnlessRemoved (UPD_BEGIN);
    }
    else if (! updStarted || (state == UPD_COMPLETE && updFinished.load() == 1))
    {
        quit();
    }
}

void MainComponent::quit()
{
    // A thread waiting for the controller finds no answer it accepts and
    // ends; the wait for it is bounded.
    inPacket.clear();
    responseEvent.signal();
    if (isThreadRunning())
        stopUpdateThread();
    if (auto* app = juce::JUCEApplicationBase::getInstance())
        app->systemRequestedQuit();
}
