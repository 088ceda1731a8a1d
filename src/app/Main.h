#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class MainComponent;

namespace platform
{
class InstanceNotice;
}

// The one always-on-top window; its content is the MainComponent.
class MainWindow : public juce::DocumentWindow
{
public:
    MainWindow();
    ~MainWindow() override;

    MainComponent* mainComponent = nullptr;   // owned through the content slot

    static constexpr int contentWidth = 404;
    static constexpr int contentHeight = 126;
};

class Application : public juce::JUCEApplication
{
public:
    Application();
    ~Application() override;

    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override;
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;

    MainWindow* mainWindow = nullptr;

private:
    // Hears a second start of the program where the framework does not.
    std::unique_ptr<platform::InstanceNotice> instanceNotice;
};
