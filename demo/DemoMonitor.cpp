#include "DemoMonitor.h"

#include "main_component/UpdateFileFormat.h"

#include <algorithm>
#include <cstdio>

namespace demo
{

namespace
{
constexpr int pollIntervalMs = 50;

// The mode and the version query come before anything is written.
constexpr int checkRequests = 2;

// Compares each image of the file with the controller's memory at the image's
// address; returns the number of images that match.
int matchingImages (const emu::EmulatedController& controller, const juce::MemoryBlock& file)
{
    const auto* bytes = static_cast<const uint8_t*> (file.getData());
    int matching = 0;
    for (const auto& image : updfile::images)
    {
        const auto memory = controller.memory (image.target);
        matching += std::equal (bytes + image.fileOffset, bytes + image.fileOffset + image.size,
                                memory.begin() + image.destAddress) ? 1 : 0;
    }
    return matching;
}
}

DemoMonitor::DemoMonitor (const emu::EmulatedController& c, juce::File file)
    : controller (c), updateFile (std::move (file)), startMs (juce::Time::getMillisecondCounterHiRes())
{
    std::printf ("demo: emulated KRV-TM40 plugged in; update file %s\n", updateFile.getFullPathName().toRawUTF8());
    std::fflush (stdout);
    startTimer (pollIntervalMs);
}

DemoMonitor::~DemoMonitor()
{
    stopTimer();
}

void DemoMonitor::timerCallback()
{
    const auto seconds = (juce::Time::getMillisecondCounterHiRes() - startMs) / 1000.0;
    if (! checksSeen && controller.requestCount() >= checkRequests)
    {
        checksSeen = true;
        std::printf ("demo: %.1f s: the controller answered the mode and version queries\n", seconds);
    }

    const auto blocks = controller.blocks();
    for (; blocksSeen < blocks.size(); ++blocksSeen)
        std::printf ("demo: %.1f s: block %zu, target 0x%02X, address 0x%06X, %u bytes\n", seconds,
                     blocksSeen + 1, blocks[blocksSeen].target, blocks[blocksSeen].address, blocks[blocksSeen].length);

    if (! finishSeen && controller.finished())
    {
        finishSeen = true;
        std::printf ("demo: %.1f s: the controller received the finish command\n", seconds);
    }
    std::fflush (stdout);
}

void DemoMonitor::reportResult() const
{
    const auto blocks = controller.blocks();
    const auto stored = std::count_if (blocks.begin(), blocks.end(), [] (const emu::BlockRecord& b) { return b.stored; });
    std::printf ("demo: %zu blocks stored of %zu started, %d byte-sum mismatches, finish %s\n",
                 (size_t) stored, blocks.size(), controller.sumMismatches(), controller.finished() ? "received" : "not received");

    juce::MemoryBlock file;
    if (updateFile.loadFileAsData (file) && (int64_t) file.getSize() == updfile::fileSize)
        std::printf ("demo: %d of %d images in the controller match the update file\n",
                     matchingImages (controller, file), updfile::imageCount);
    std::fflush (stdout);
}

} // namespace demo
