// Entry of the demo: the updater's own application and window on the virtual
// HID source, with an emulated controller plugged in before the window is
// built, as if it had been connected before the updater was started.
#include "DemoController.h"
#include "DemoMonitor.h"

#include "app/Main.h"
#include "platform/ExecutableLocation.h"

#include <memory>

namespace
{
class DemoApplication : public Application
{
public:
    void initialise (const juce::String& commandLine) override
    {
        controller = std::make_unique<emu::EmulatedController> (demo::controllerConfig());
        controller->plug();
        monitor = std::make_unique<demo::DemoMonitor> (*controller, sampleUpdateFile());
        Application::initialise (commandLine);
    }

    void shutdown() override
    {
        // The window and its update thread go first; then the controller.
        Application::shutdown();
        if (monitor != nullptr)
            monitor->reportResult();
        monitor.reset();
        controller.reset();
    }

private:
    static juce::File sampleUpdateFile()
    {
        return platform::runningExecutableFile().getSiblingFile (KRV_DEMO_FILE_NAME);
    }

    std::unique_ptr<emu::EmulatedController> controller;
    std::unique_ptr<demo::DemoMonitor> monitor;
};
}

START_JUCE_APPLICATION (DemoApplication)
