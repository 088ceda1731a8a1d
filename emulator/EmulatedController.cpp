#include "EmulatedController.h"

#include <sys/prctl.h>

#include <chrono>
#include <cstring>
#include <numeric>
#include <thread>

#ifndef KRV_USB_VENDOR_ID
 #error "KRV_USB_VENDOR_ID must be defined by the build"
#endif

namespace emu
{

namespace
{
// The protocol as the controller sees it (independent of the engine's headers,
// so that the emulator checks the engine rather than mirroring it).
constexpr uint8_t getMode = 0x00, getVersion = 0x01, blockHead = 0x02, data = 0x03,
                  blockSum = 0x04, blockStatus = 0x05, finish = 0x06, dataLast = 0x07, begin = 0x08;
constexpr uint8_t ok = 0x80, refused = 0x81, version = 0x82, busy1 = 0x83, busy2 = 0x84,
                  blockDone = 0x85, mode2 = 0x8B;
constexpr uint32_t maxBlock = 0x20000;
constexpr size_t payload = 62;

uint32_t readLittleEndian32 (const uint8_t* b)
{
    return (uint32_t) b[0] | ((uint32_t) b[1] << 8) | ((uint32_t) b[2] << 16) | ((uint32_t) b[3] << 24);
}

void refuse (std::array<uint8_t, 64>& reply, uint8_t reason)
{
    reply[1] = refused;
    reply[2] = reason;
}
}

namespace
{
double nowMicroseconds()
{
    using namespace std::chrono;
    return (double) duration_cast<nanoseconds> (steady_clock::now().time_since_epoch()).count() / 1000.0;
}
}

EmulatedController::EmulatedController (const ControllerConfig& c) : config (c)
{
    pending.reserve (maxBlock);
    if (config.measureTurnaround)
        turnarounds.reserve (1 << 16);
}

EmulatedController::~EmulatedController()
{
    unplug();
}

void EmulatedController::plug()
{
    platform::VirtualHidDeviceInfo info;
    info.vendorID = KRV_USB_VENDOR_ID;
    info.productID = productId;
    info.versionNumber = 0x0100;
    info.locationID = 0x14100000;
    auto plugged = platform::VirtualHidBus::instance().plug (info);
    plugged->setRecording (false);   // the emulator keeps its own trace
    plugged->setOutputHandler ([this] (const uint8_t* bytes, size_t length) { return onOutputReport (bytes, length); });

    const std::lock_guard<std::mutex> guard (lock);
    device = plugged;
}

void EmulatedController::unplug()
{
    platform::VirtualHidDeviceHandle plugged;
    {
        const std::lock_guard<std::mutex> guard (lock);
        plugged = std::move (device);
    }
    if (plugged != nullptr)
    {
        plugged->setOutputHandler (nullptr);
        platform::VirtualHidBus::instance().unplug (plugged);
    }
}

void EmulatedController::sendUnsolicited (const std::array<uint8_t, 64>& report)
{
    platform::VirtualHidDeviceHandle to;
    {
        const std::lock_guard<std::mutex> guard (lock);
        to = device;
    }
    if (to != nullptr)
        to->sendInputReport (report.data(), report.size());
}

bool EmulatedController::isPlugged() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return device != nullptr && device->isPlugged();
}

bool EmulatedController::onOutputReport (const uint8_t* bytes, size_t length)
{
    const auto arrivedUs = config.measureTurnaround ? nowMicroseconds() : 0.0;
    std::array<uint8_t, 64> request {};
    std::memcpy (request.data(), bytes, std::min (length, request.size()));

    std::array<uint8_t, 64> reply {};
    platform::VirtualHidDeviceHandle to;
    bool pullOut = false;
    {
        const std::lock_guard<std::mutex> guard (lock);
        if (device == nullptr)
            return false;
        if (config.keepTrace)
            trace.push_back (request);
        if (config.measureTurnaround && lastAnswerSentUs >= 0.0 && turnarounds.size() < turnarounds.capacity())
            turnarounds.push_back ((float) (arrivedUs - lastAnswerSentUs));
        ++requestNumber;

        const bool replies = answer (request.data(), reply);
        pullOut = matches (config.faults.unplugOn, request[1]);
        if (replies && ! pullOut && ! matches (config.faults.silentOn, request[1]))
        {
            applyReplyFaults (request[1], reply);
            to = device;
        }
    }

    if (pullOut)
    {
        unplug();
        return true;
    }
    if (to != nullptr)
    {
        waitModelledLatency();
        if (config.measureTurnaround)
            lastAnswerSentUs = nowMicroseconds();
        to->sendInputReport (reply.data(), reply.size());
    }
    return true;
}

bool EmulatedController::answer (const uint8_t* request, std::array<uint8_t, 64>& reply)
{
    const auto command = request[1];
    ++commandCounts[command];
    reply[0] = request[0];
    reply[1] = ok;

    if (command == finish)
    {
        finishReceived = true;
        return false;   // nobody waits for it
    }
    // Data are kept and counted even when the answer is overridden.
    if (command == data)
        handleData (request, reply);
    if (applyOverride (command, reply))
        return true;

    switch (command)
    {
        case getMode:
            reply[1] = config.kind == 2 ? mode2 : ok;
            break;
        case getVersion:
            reply[1] = version;
            for (int i = 0; i < 4; ++i)
                reply[(size_t) (2 + i)] = (uint8_t) (config.dateWord >> (24 - 8 * i));
            std::memcpy (reply.data() + 7, config.versionBytes.data(), 4);
            break;
        case begin:
            break;
        case blockHead:     handleBlockHead (request, reply); break;
        case data:          break;
        case dataLast:
            announcedLast = request[2];
            if (announcedLast < 1 || announcedLast > (int) payload)
                refuse (reply, 1);
            break;
        case blockSum:      handleBlockSum (request, reply); break;
        case blockStatus:   handleBlockStatus (reply); break;
        default:            refuse (reply, 1); break;
    }
    return true;
}

void EmulatedController::handleBlockHead (const uint8_t* request, std::array<uint8_t, 64>& reply)
{
    BlockRecord block;
    block.target = request[0];
    block.address = readLittleEndian32 (request + 2);
    block.length = readLittleEndian32 (request + 7);
    blockList.push_back (block);
    pending.clear();
    announcedLast = 0;

    if (request[6] != 0xFF || block.length == 0 || block.length > maxBlock
        || (size_t) block.address + block.length > memorySize)
        refuse (reply, 1);
}

void EmulatedController::handleData (const uint8_t* request, std::array<uint8_t, 64>& reply)
{
    ++dataPacketCount;
    const auto n = announcedLast > 0 ? (size_t) announcedLast : payload;
    announcedLast = 0;
    pending.insert (pending.end(), request + 2, request + 2 + n);

    if (blockList.empty() || pending.size() > blockList.back().length)
        refuse (reply, 1);
    else
        blockList.back().received = (uint32_t) pending.size();
}

void EmulatedController::handleBlockSum (const uint8_t* request, std::array<uint8_t, 64>& reply)
{
    const auto sum = std::accumulate (pending.begin(), pending.end(), (uint32_t) 0);
    const bool complete = ! blockList.empty() && pending.size() == blockList.back().length;
    if (! complete || sum != readLittleEndian32 (request + 2))
    {
        ++sumMismatchCount;
        refuse (reply, 2);
        return;
    }
    blockList.back().sumMatched = true;
    busyLeft = config.busyAnswersPerBlock;
}

void EmulatedController::handleBlockStatus (std::array<uint8_t, 64>& reply)
{
    if (config.faults.alwaysBusy || busyLeft > 0)
    {
        busyLeft = std::max (0, busyLeft - 1);
        reply[1] = (busyToggle++ % 2) == 0 ? busy1 : busy2;
        return;
    }
    if (blockList.empty() || ! blockList.back().sumMatched)
    {
        refuse (reply, 3);
        return;
    }

    auto& block = blockList.back();
    if (! block.stored)
    {
        auto& mem = memoryOf (block.target);
        std::memcpy (mem.data() + block.address, pending.data(), pending.size());
        block.stored = true;
    }
    reply[1] = blockDone;
}

bool EmulatedController::matches (const RequestMatch& match, uint8_t command) const
{
    if (match.occurrence <= 0)
        return false;
    if (match.command == RequestMatch::anyCommand)
        return match.occurrence == requestNumber;
    return match.command == command && match.occurrence == commandCounts[command];
}

bool EmulatedController::applyOverride (uint8_t command, std::array<uint8_t, 64>& reply)
{
    for (const auto& o : config.faults.overrides)
    {
        if (matches (o.match, command))
        {
            reply[1] = o.code;
            reply[2] = o.reason;
            return true;
        }
    }
    return false;
}

void EmulatedController::applyReplyFaults (uint8_t command, std::array<uint8_t, 64>& reply) const
{
    if (matches (config.faults.wrongTargetOn, command))
        reply[0] = reply[0] == 0xF0 ? 0xF1 : 0xF0;
    if (matches (config.faults.lowFirstByteOn, command))
        reply[0] = 0x10;
}

std::vector<uint8_t>& EmulatedController::memoryOf (uint8_t target)
{
    for (auto& m : memories)
        if (m.first == target)
            return m.second;
    memories.emplace_back (target, std::vector<uint8_t> (memorySize, 0xFF));
    return memories.back().second;
}

void EmulatedController::waitModelledLatency()
{
    if (config.latencyMicroseconds <= 0)
        return;

    // Sleep most of the time, then yield to the deadline: plain sleeps overshoot
    // by more than the software overhead being measured. The default timer
    // slack alone would add 50 us.
    thread_local bool slackSet = false;
    if (! slackSet)
        slackSet = prctl (PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;

    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::microseconds (config.latencyMicroseconds);
    const auto coarse = deadline - std::chrono::microseconds (300);
    if (clock::now() < coarse)
        std::this_thread::sleep_until (coarse);
    while (clock::now() < deadline)
        std::this_thread::yield();

    const auto spent = std::chrono::duration<double, std::micro> (clock::now() - deadline).count()
                     + config.latencyMicroseconds;
    latencySpentUs = latencySpentUs.load() + spent;
}

double EmulatedController::latencySpentMicroseconds() const
{
    return latencySpentUs.load();
}

std::vector<std::array<uint8_t, 64>> EmulatedController::requests() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return trace;
}

int EmulatedController::requestCount() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return requestNumber;
}

int EmulatedController::dataPackets() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return dataPacketCount;
}

std::vector<BlockRecord> EmulatedController::blocks() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return blockList;
}

std::vector<uint8_t> EmulatedController::memory (uint8_t target) const
{
    const std::lock_guard<std::mutex> guard (lock);
    for (const auto& m : memories)
        if (m.first == target)
            return m.second;
    return std::vector<uint8_t> (memorySize, 0xFF);
}

bool EmulatedController::finished() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return finishReceived;
}

int EmulatedController::commandCount (uint8_t command) const
{
    const std::lock_guard<std::mutex> guard (lock);
    return commandCounts[command];
}

std::vector<float> EmulatedController::turnaroundsMicroseconds() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return turnarounds;
}

int EmulatedController::sumMismatches() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return sumMismatchCount;
}

} // namespace emu
