#include "Main.h"

#include "../main_component/MainComponent.h"
#include "../platform/InstanceNotice.h"

namespace
{
// How long a refused second start keeps trying to reach the running instance,
// which may itself still be starting up.
constexpr int noticeTimeoutMs = 3000;
}

MainWindow::MainWindow()
    : juce::DocumentWindow ("KRV-TM40 update program", juce::Colour (234, 234, 234), 0, false)
{
    // The native title bar, staying on top and the fixed size each change the
    // kind of desktop window; on a window already on the desktop the
    // framework creates it anew and shows it at once, at its default size in
    // the corner. Settled before the window reaches the desktop, the one
    // desktop window is created once, at its final size and place.
    setUsingNativeTitleBar (true);
    setAlwaysOnTop (true);
    setResizable (false, false);

    mainComponent = new MainComponent();
    mainComponent->setSize (contentWidth, contentHeight);
    setContentOwned (mainComponent, true);

    // With the native title bar the window is its content alone; the system
    // draws the frame and title bar around it.
    centreWithSize (getWidth(), getHeight());
    addToDesktop();
    setVisible (true);
}

MainWindow::~MainWindow() = default;

Application::Application() = default;
Application::~Application() = default;

const juce::String Application::getApplicationName() { return "KRVTM40UpdateProgram"; }
const juce::String Application::getApplicationVersion() { return "1.0.0"; }
bool Application::moreThanOneInstanceAllowed() { return false; }

void Application::initialise (const juce::String&)
{
    // Listening before the window exists loses no notice: it is delivered on
    // the message thread, after this returns.
    instanceNotice = std::make_unique<platform::InstanceNotice> (
        getApplicationName(), [this] (const juce::String& commandLine) { anotherInstanceStarted (commandLine); });
    mainWindow = new MainWindow();
}

void Application::shutdown()
{
    // The framework calls this without initialise when its single-instance
    // lock refused this start; then the running instance must hear of it.
    if (isInitialising())
        platform::InstanceNotice::tellRunningInstance (getApplicationName(), getCommandLineParameters(),
                                                       noticeTimeoutMs);

    instanceNotice.reset();
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
