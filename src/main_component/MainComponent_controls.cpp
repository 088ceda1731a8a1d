// The controls, their layout and what the user's clicks do.
#include "MainComponent.h"

#include "../text/Loader.h"

void MainComponent::buildControls()
{
    TxtLoader::createInstance();
    juce::LookAndFeel::setDefaultLookAndFeel (&langLookAndFeel);

    langCombo = std::make_unique<juce::ComboBox> ("langs");
    addAndMakeVisible (*langCombo);
    progressLookAndFeel = std::make_unique<ProgressLookAndFeel>();
    progressBar = std::make_unique<juce::ProgressBar> (progressShown);
    addAndMakeVisible (*progressBar);
    okButton = std::make_unique<AlineButton> ("OK");
    addAndMakeVisible (*okButton);
    okButton->addListener (this);
    cancelButton = std::make_unique<AlineButton> ("Cancel");
    addAndMakeVisible (*cancelButton);
    cancelButton->addListener (this);
}

void MainComponent::destroyControls()
{
    langCombo.reset();
    progressBar.reset();
    okButton.reset();
    cancelButton.reset();
    progressLookAndFeel.reset();
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}

void MainComponent::resized()
{
    UpdateDrawing();
}

void MainComponent::comboBoxChanged (juce::ComboBox*)
{
}

void MainComponent::buttonClicked (juce::Button* button)
{
    if (button == cancelButton.get())
    {
        inPacket.clear();
        responseEvent.signal();
        if (isThreadRunning())
            stopUpdateThread();
        if (auto* app = juce::JUCEApplicationBase::getInstance())
            app->systemRequestedQuit();
    }
}
