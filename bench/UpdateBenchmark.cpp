// A full 0x1E0000-byte update against the emulated controller, (a) answering
// at once and (b) with a modelled 1 ms per exchange; then the CPU use while
// the ready screen shows. Prints the numbers; asserts nothing.
#include "main_component/MainComponent.h"
#include "EmulatedController.h"
#include "MessageLoop.h"
#include "UpdateFileBuilder.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace
{
constexpr int boundMs = 600000;

double cpuSeconds()
{
    rusage usage {};
    getrusage (RUSAGE_SELF, &usage);
    auto seconds = [] (const timeval& t) { return (double) t.tv_sec + (double) t.tv_usec / 1e6; };
    return seconds (usage.ru_utime) + seconds (usage.ru_stime);
}

double nowMs() { return juce::Time::getMillisecondCounterHiRes(); }

struct Session
{
    std::unique_ptr<emu::EmulatedController> controller;
    std::unique_ptr<MainComponent> component;

    Session (const juce::File& directory, int latencyUs)
    {
        platform::VirtualHidBus::instance().reset();
        emu::ControllerConfig config;
        config.keepTrace = false;
        config.measureTurnaround = true;
        config.latencyMicroseconds = latencyUs;
        controller = std::make_unique<emu::EmulatedController> (config);
        controller->plug();

        component = std::make_unique<MainComponent>();
        component->overrideOsType (0x10E);
        component->setUpdateFileDirectory (directory);
        emu::runMessageLoopUntil ([this] { return component->hidCtrl->m_connected != 0; }, 5000);

        component->responseEvent.reset();
        component->startThread();
        emu::runMessageLoopUntil ([this] { return component->getState() != UPD_INIT; }, boundMs);
    }

    ~Session()
    {
        component.reset();
        controller.reset();
    }
};

struct Result
{
    int exchanges = 0;
    double totalMs = 0, mandatedMs = 0, medianUs = 0, meanUs = 0, lowerBoundMs = 0, latencySpentMs = 0;
};

Result runTransfer (const juce::File& directory, int latencyUs)
{
    Session s (directory, latencyUs);
    Result r;
    if (s.component->getState() != UPD_READY)
    {
        std::printf ("checks ended in 0x%04X\n", (unsigned) s.component->getState());
        return r;
    }

    const auto before = s.controller->requestCount();
    const auto t0 = nowMs();
    s.component->updStarted = true;
    s.component->setStateUnlessRemoved (UPD_BEGIN);
    emu::runMessageLoopUntil ([&s] { return ! s.component->isThreadRunning(); }, boundMs);
    r.totalMs = nowMs() - t0;

    auto& c = *s.controller;
    r.exchanges = c.requestCount() - before - c.commandCount (CMD_FINISH);

    // What the protocol itself mandates: a 100 ms wait before every poll, a
    // 1 ms wait at the start of every other pass (begin, each header, data
    // and sum pass, the finishing header pass and the completion pass).
    const auto polls = c.commandCount (CMD_BLOCK_STATUS);
    const auto onePasses = 1 + 3 * c.commandCount (CMD_BLOCK_HEAD) + 1 + 1;
    r.mandatedMs = 100.0 * polls + 1.0 * onePasses;
    r.lowerBoundMs = r.mandatedMs + r.exchanges * latencyUs / 1000.0;

    auto t = c.turnaroundsMicroseconds();
    if (! t.empty())
    {
        std::sort (t.begin(), t.end());
        r.medianUs = t[t.size() / 2];
    }
    // Everything that is neither mandated nor the controller's own time.
    r.latencySpentMs = c.latencySpentMicroseconds() / 1000.0;
    r.meanUs = r.exchanges > 0 ? (r.totalMs - r.mandatedMs - r.latencySpentMs) * 1000.0 / r.exchanges : 0.0;

    if (s.component->getState() != UPD_COMPLETE)
        std::printf ("update ended in 0x%04X\n", (unsigned) s.component->getState());
    return r;
}

double idleCpuPercent (const juce::File& directory)
{
    Session s (directory, 0);
    const auto c0 = cpuSeconds();
    const auto t0 = nowMs();
    emu::runMessageLoopUntil ([] { return false; }, 3000);
    return 100.0 * (cpuSeconds() - c0) / ((nowMs() - t0) / 1000.0);
}

void print (const char* name, const Result& r, bool withRatio)
{
    std::printf ("%s: exchanges=%d total_ms=%.1f mandated_ms=%.1f software_us_per_exchange median=%.1f mean=%.1f",
                 name, r.exchanges, r.totalMs, r.mandatedMs, r.medianUs, r.meanUs);
    if (withRatio)
        std::printf (" lower_bound_ms=%.1f ratio=%.3f latency_actually_spent_ms=%.1f",
                     r.lowerBoundMs, r.totalMs / r.lowerBoundMs, r.latencySpentMs);
    std::printf ("\n");
}
}

int main()
{
    juce::ScopedJuceInitialiser_GUI juce;

    auto directory = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("krv-bench-", "", false);
    directory.createDirectory();
    updfile::UpdateFileRecipe recipe;
    recipe.dateWord = 0x20240115;
    updfile::writeUpdateFile (directory.getChildFile (updfile::updateFileName (1)), updfile::buildUpdateFile (recipe));

    const auto immediate = runTransfer (directory, 0);
    print ("a_immediate", immediate, false);
    const auto modelled = runTransfer (directory, 1000);
    print ("b_1ms_per_exchange", modelled, true);
    const auto idle = idleCpuPercent (directory);
    std::printf ("ready_screen_cpu_percent=%.1f\n", idle);

    std::printf ("overhead_us_per_exchange=%.1f ratio_1ms=%.3f idle_cpu_percent=%.1f\n",
                 immediate.medianUs, modelled.totalMs / modelled.lowerBoundMs, idle);

    platform::VirtualHidBus::instance().reset();
    directory.deleteRecursively();
    return 0;
}
