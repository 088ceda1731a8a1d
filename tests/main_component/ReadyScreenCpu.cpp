// Prints the CPU use of the ready screen: the update thread idles there and
// asks for a screen rebuild at every pass (about once a millisecond), so the
// rebuild of unchanged inputs must cost next to nothing.
//
//   ready_screen_cpu [seconds] [--full]
//
// --full forces a whole rebuild at every request, for comparison.
#include "EmulatedController.h"
#include "UpdateFileBuilder.h"
#include "main_component/MainComponent.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace
{
double cpuSeconds (int who)
{
    rusage usage {};
    getrusage (who, &usage);
    return (double) usage.ru_utime.tv_sec + (double) usage.ru_stime.tv_sec
           + ((double) usage.ru_utime.tv_usec + (double) usage.ru_stime.tv_usec) / 1e6;
}

bool pumpUntil (const std::function<bool()>& done, int boundMs)
{
    const auto end = juce::Time::getMillisecondCounterHiRes() + boundMs;
    while (! done() && juce::Time::getMillisecondCounterHiRes() < end)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
    return done();
}

// For comparison: forgets the built screen every millisecond, so that the
// rebuild requests lay the whole screen out again.
struct FullRebuilds : juce::Timer
{
    explicit FullRebuilds (MainComponent& c) : component (c) { startTimer (1); }
    void timerCallback() override { component.screenBuilt = false; }
    MainComponent& component;
};

int run (double seconds, bool forceFull)
{
    auto directory = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("krv-cpu-", "", false);
    directory.createDirectory();
    updfile::UpdateFileRecipe recipe;
    recipe.dateWord = 0x20240115;
    updfile::writeUpdateFile (directory.getChildFile (updfile::updateFileName (recipe.kind)), updfile::buildUpdateFile (recipe));

    emu::ControllerConfig config;
    config.dateWord = 0x20230601;
    emu::EmulatedController controller (config);
    controller.plug();

    juce::Component window;
    window.setSize (404, 126);
    auto component = std::make_unique<MainComponent>();
    component->setUpdateFileDirectory (directory);
    window.addAndMakeVisible (*component);
    component->setBounds (0, 0, 404, 126);

    int status = 0;
    if (! pumpUntil ([&] { return component->hidCtrl->m_connected.load() != 0; }, 5000))
    {
        std::fprintf (stderr, "the emulated controller did not attach\n");
        status = 1;
    }
    else
    {
        component->okButton->triggerClick();
        if (! pumpUntil ([&] { return component->getState() == UPD_READY; }, 20000))
        {
            std::fprintf (stderr, "no ready screen (state 0x%04X)\n", (unsigned) component->getState());
            status = 1;
        }
    }

    if (status == 0)
    {
        std::unique_ptr<FullRebuilds> forcing;
        if (forceFull)
            forcing = std::make_unique<FullRebuilds> (*component);
        pumpUntil ([] { return false; }, 500);   // settle

        const auto wall0 = juce::Time::getMillisecondCounterHiRes();
        const auto process0 = cpuSeconds (RUSAGE_SELF);
        const auto message0 = cpuSeconds (RUSAGE_THREAD);
        pumpUntil ([] { return false; }, (int) (seconds * 1000.0));
        const auto wall = (juce::Time::getMillisecondCounterHiRes() - wall0) / 1000.0;
        const auto process = cpuSeconds (RUSAGE_SELF) - process0;
        const auto message = cpuSeconds (RUSAGE_THREAD) - message0;

        // The rebuild itself, without the framework's message dispatch.
        constexpr int calls = 100000;
        const auto call0 = cpuSeconds (RUSAGE_THREAD);
        for (int i = 0; i < calls; ++i)
        {
            if (forceFull)
                component->screenBuilt = false;
            component->handleAsyncUpdate();
        }
        const auto perCallUs = (cpuSeconds (RUSAGE_THREAD) - call0) / calls * 1e6;

        std::printf ("ready screen, %s rebuilds, %.1f s\n", forceFull ? "forced full" : "normal", wall);
        std::printf ("  one rebuild request: %8.3f us of CPU (%.2f %% of one core at 1000 a second)\n",
                     perCallUs, perCallUs / 10.0);
        std::printf ("  message thread: %6.2f %% of one core\n", 100.0 * message / wall);
        std::printf ("  whole process:  %6.2f %% of one core (update thread and emulator included)\n", 100.0 * process / wall);
    }

    component->cancelButton->triggerClick();   // quit sequence: stops the thread
    pumpUntil ([&] { return ! component->isThreadRunning(); }, 10000);
    window.removeAllChildren();
    component.reset();
    controller.unplug();
    directory.deleteRecursively();
    return status;
}
} // namespace

int main (int argc, char** argv)
{
    double seconds = 10.0;
    bool full = false;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp (argv[i], "--full") == 0)
            full = true;
        else
            seconds = juce::jmax (1.0, std::atof (argv[i]));
    }

    juce::ScopedJuceInitialiser_GUI gui;
    return run (seconds, full);
}
