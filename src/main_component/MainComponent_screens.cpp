// What each screen shows, and how it is painted.
#include "MainComponent.h"

#include "BinaryData.h"

#include "../text/Loader.h"
#include "../ui/ScreenTextLayout.h"

namespace
{
const juce::Colour windowBackground (0xFFEAEAEAu);
const juce::Colour barBackgroundMainImage (0xFFFA32C8u);
const juce::Colour barBackgroundOtherImages (0xFF080808u);
constexpr int recoveryWidth = 800;
constexpr int recoveryHeight = 300;

juce::Image warningIcon()
{
    // Decoded once; the cache hands the same image to every paint.
    return juce::ImageCache::getFromMemory (BinaryData::warning_png, BinaryData::warning_pngSize);
}

void show (AlineButton& button, const juce::String& caption, juce::Rectangle<int> bounds)
{
    button.setButtonText (caption);
    button.setBounds (bounds);
    button.setVisible (true);
}

// Captions, visibility and places of the two buttons; states not listed keep
// the buttons of the screen before.
void applyButtons (MainComponent& c, int32_t state, TxtLoader& texts)
{
    const juce::Rectangle<int> right (c.getWidth() - 120, c.getHeight() - 40, 100, 20);
    const juce::Rectangle<int> left (c.getWidth() - 230, c.getHeight() - 40, 100, 20);

    if (isErrorState (state))
    {
        c.okButton->setVisible (false);
        show (*c.cancelButton, texts.getString (STR_0004), right);
    }
    else if (state == UPD_READY || state == UPD_INIT)
    {
        show (*c.okButton, texts.getString (state == UPD_READY ? STR_0002 : STR_0001), right);
        show (*c.cancelButton, texts.getString (state == UPD_READY ? STR_0004 : STR_0003), left);
    }
    else if (isTransferPhase (state))
    {
        c.okButton->setVisible (false);
        c.cancelButton->setVisible (false);
    }
    else if (state == UPD_COMPLETE)
    {
        show (*c.okButton, texts.getString (STR_0001), right);
    }
}

void applySelector (juce::ComboBox& combo, int32_t state, TxtLoader& texts)
{
    if (state != UPD_INIT)
    {
        combo.setVisible (false);
        return;
    }
    combo.setSelectedId (texts.getLocale() + 1, juce::sendNotificationAsync);
    combo.setVisible (true);
    combo.resized();
}

void applyProgressBar (juce::ProgressBar& bar, const ui::ScreenInputs& in)
{
    const auto transfer = isTransferPhase (in.state);
    bar.setVisible (transfer);
    if (! transfer)
        return;
    // A transfer that includes the main image keeps its colour to the end.
    if (in.curUpdKind == 0)
        bar.setColour (juce::ProgressBar::backgroundColourId, barBackgroundMainImage);
    else if (! in.mainFwUpdating)
        bar.setColour (juce::ProgressBar::backgroundColourId, barBackgroundOtherImages);
}

bool hasFocus (const juce::Component& c)
{
    return c.hasKeyboardFocus (true);
}

// The button the user most likely wants gets the keyboard focus.
void applyFocus (MainComponent& c, int32_t state)
{
    if (state == UPD_INIT && ! (hasFocus (*c.langCombo) || hasFocus (*c.okButton) || hasFocus (*c.cancelButton)))
        c.okButton->grabKeyboardFocus();
    else if (state == UPD_READY && ! (hasFocus (*c.okButton) || hasFocus (*c.cancelButton)))
        c.okButton->grabKeyboardFocus();
    else if (state == UPD_COMPLETE && ! hasFocus (*c.okButton))
        c.okButton->grabKeyboardFocus();
    else if (isErrorState (state) && ! hasFocus (*c.cancelButton))
        c.cancelButton->grabKeyboardFocus();
}

// The window grows from its top-left corner when its content does; centred
// again, the recovery screen and its Close button stay on a small display.
void recentreWindow (juce::Component& content)
{
    auto* window = content.getTopLevelComponent();
    if (window != &content && window->isOnDesktop())
        window->centreWithSize (window->getWidth(), window->getHeight());
}

// The inputs of the screen for the current state. Fields the update thread
// writes before it publishes a state are read only in the states after it.
ui::ScreenInputs collectInputs (MainComponent& c)
{
    ui::ScreenInputs in;
    in.state = c.updState.load();
    in.language = TxtLoader::getInstance()->getLocale();
    if (in.state == UPD_READY)
    {
        in.fileStatus = c.updFileStatus;
        in.devVersion = c.devVersion;
        in.fileVersion = c.updFileVersion;
    }
    if (ui::isRecoveryState (in.state))
        in.fileKind = c.updFileKind;
    in.curUpdKind = c.curUpdKind.load();
    in.mainFwUpdating = c.mainFwUpdating.load();
    in.width = c.getWidth();
    in.height = c.getHeight();
    in.titleHolder = c.getParentComponent();
    return in;
}
} // namespace

void MainComponent::UpdateDrawing()
{
    // The bar follows the thread's progress on every request, cheap or not.
    progressFollower.follow();
    const auto colour = requestedProgressColour.load();
    if (colour != 0 && colour != appliedProgressColour)
    {
        appliedProgressColour = colour;
        progressBar->setColour (juce::ProgressBar::foregroundColourId, juce::Colour (colour));
    }

    const auto inputs = collectInputs (*this);
    if (! screenBuilt || inputs != builtScreen)
    {
        builtScreen = inputs;
        screenBuilt = true;
        rebuildScreen (inputs);
    }
}

void MainComponent::rebuildScreen (const ui::ScreenInputs& in)
{
    auto& texts = *TxtLoader::getInstance();
    const auto fontName = texts.getFont();

    if (auto* parent = getParentComponent())
        parent->setName (texts.getString (STR_0000));

    screenText.clear();

    if (ui::isRecoveryState (in.state) && (getWidth() != recoveryWidth || getHeight() != recoveryHeight))
    {
        // The size change lays the whole screen out again through resized().
        // Centring needs a parent or a display; without a window (tests, a
        // headless run) the size alone is taken.
        if (getParentComponent() != nullptr)
            centreWithSize (recoveryWidth, recoveryHeight);
        else
            setSize (recoveryWidth, recoveryHeight);
        recentreWindow (*this);
        if (getWidth() == recoveryWidth && getHeight() == recoveryHeight)
            return;
    }

    ui::layoutScreenText (screenText, ui::screenTextsFor (in, texts), fontName, getWidth(), getHeight());
    applySelector (*langCombo, in.state, texts);
    applyProgressBar (*progressBar, in);
    progressFollower.setActive (isTransferPhase (in.state));
    okButton->setFont (fontName);
    cancelButton->setFont (fontName);
    applyButtons (*this, in.state, texts);
    repaint();
}

void MainComponent::paint (juce::Graphics& g)
{
    g.fillAll (windowBackground);

    if (isErrorState (builtScreen.state))
    {
        const auto icon = warningIcon();
        g.drawImage (icon, 20, 15, 64, 64, 0, 0, icon.getWidth(), icon.getHeight());
    }

    g.setColour (juce::Colours::black);
    screenText.draw (g);

    // The one moment the window is known to be on screen: a rebuild can run
    // before it shows, when no focus can be taken yet.
    applyFocus (*this, builtScreen.state);
}
