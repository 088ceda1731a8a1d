#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MainComponent;

// The one always-on-top window; its content is the MainComponent.
class MainWindow : public juce::DocumentWindow
{
public:
    MainWindow();
    ~MainWindow() override;

    MainComponent* mainComponent = nullptr;   // owned through the content slot
};

class Application : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override;
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;

    MainWindow* mainWindow = nullptr;
};
