#include "Main.h"

#include "../main_component/MainComponent.h"

MainWindow::MainWindow()
    : juce::DocumentWindow ("KRV-TM40 update program", juce::Colour (234, 234, 234), 0, true)
{
    mainComponent = new MainComponent();
    mainComponent->setSize (404, 126);
    setContentOwned (mainComponent, true);
    setResizable (false, false);
    centreWithSize (mainComponent->getWidth() + 2, mainComponent->getHeight() + getTitleBarHeight() + 2);
    setAlwaysOnTop (true);
    setUsingNativeTitleBar (true);
    setVisible (true);
}

MainWindow::~MainWindow() = default;

const juce::String Application::getApplicationName() { return "KRVTM40UpdateProgram"; }
const juce::String Application::getApplicationVersion() { return "1.0.0"; }
bool Application::moreThanOneInstanceAllowed() { return false; }

void Application::initialise (const juce::String&)
{
    mainWindow = new MainWindow();
}

void Application::shutdown()
{
    delete mainWindow;
    mainWindow = nullptr;
}

void Application::anotherInstanceStarted (const juce::String&)
{
    if (mainWindow != nullptr && mainWindow->isVisible())
    {
        mainWindow->toFront (true);
        mainWindow->grabKeyboardFocus();
    }
}
