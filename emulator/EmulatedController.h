#pragma once

// An emulated KRV-TM40 on the virtual HID source: it answers the update
// protocol, keeps a memory per target that stores what each block wrote,
// verifies every block's byte sum, and can be told to misbehave.

#include "platform/VirtualHidService.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

namespace emu
{

// A request picked by its command code and how often that code has come so
// far (1 = its first). `anyCommand` counts every request.
struct RequestMatch
{
    static constexpr int anyCommand = -1;
    int command = anyCommand;
    int occurrence = 0;   // 0: never
};

// Answer the matched request with `code` and `reason` in byte 2 instead of the
// normal answer (code 0x81, RSP_REFUSED, refuses it).
struct AnswerOverride
{
    RequestMatch match;
    uint8_t code = 0x81;
    uint8_t reason = 1;
};

struct Faults
{
    std::vector<AnswerOverride> overrides;
    RequestMatch silentOn;          // no answer
    RequestMatch wrongTargetOn;     // the answer does not echo the target
    RequestMatch lowFirstByteOn;    // the answer starts with a byte below 0xF0
    RequestMatch unplugOn;          // pulled out on receiving it, no answer
    bool alwaysBusy = false;        // block status is busy for ever
};

struct ControllerConfig
{
    int kind = 1;                                         // 1 answers RSP_OK, 2 RSP_MODE2
    uint32_t dateWord = 0x20230601;
    std::array<uint8_t, 4> versionBytes { '1', '.', '0', '0' };
    int busyAnswersPerBlock = 0;                          // busy answers before a block is stored
    int latencyMicroseconds = 0;                          // modelled time per exchange
    bool keepTrace = true;                                // record every request
    bool measureTurnaround = false;                       // time from each answer to the next request
    Faults faults;
};

// One block as the controller saw it.
struct BlockRecord
{
    uint8_t target = 0;
    uint32_t address = 0;
    uint32_t length = 0;
    uint32_t received = 0;
    bool sumMatched = false;
    bool stored = false;
};

class EmulatedController
{
public:
    explicit EmulatedController (const ControllerConfig& config);
    ~EmulatedController();

    void plug();
    void unplug();
    bool isPlugged() const;
    // An input report that answers nothing, as a controller might send any time.
    void sendUnsolicited (const std::array<uint8_t, 64>& report);

    // --- What the controller saw (safe to read from any thread) ---------
    std::vector<std::array<uint8_t, 64>> requests() const;
    int requestCount() const;
    int dataPackets() const;
    std::vector<BlockRecord> blocks() const;
    // The memory of one target (0xF1, 0xF2, 0xF7): 0x200000 bytes, 0xFF where nothing was stored.
    std::vector<uint8_t> memory (uint8_t target) const;
    bool finished() const;
    int sumMismatches() const;
    int commandCount (uint8_t command) const;
    // Microseconds from each answer leaving the controller to the next request
    // arriving: the host's software time per exchange (measureTurnaround only).
    std::vector<float> turnaroundsMicroseconds() const;
    // Time actually spent modelling latency (a loaded machine oversleeps).
    double latencySpentMicroseconds() const;

    static constexpr size_t memorySize = 0x200000;
    static constexpr uint16_t productId = 0x0038;

private:
    bool onOutputReport (const uint8_t* bytes, size_t length);
    bool answer (const uint8_t* request, std::array<uint8_t, 64>& reply);
    void handleBlockHead (const uint8_t* request, std::array<uint8_t, 64>& reply);
    void handleData (const uint8_t* request, std::array<uint8_t, 64>& reply);
    void handleBlockSum (const uint8_t* request, std::array<uint8_t, 64>& reply);
    void handleBlockStatus (std::array<uint8_t, 64>& reply);
    bool matches (const RequestMatch& match, uint8_t command) const;
    bool applyOverride (uint8_t command, std::array<uint8_t, 64>& reply);
    void applyReplyFaults (uint8_t command, std::array<uint8_t, 64>& reply) const;
    std::vector<uint8_t>& memoryOf (uint8_t target);
    void waitModelledLatency();

    ControllerConfig config;
    platform::VirtualHidDeviceHandle device;

    mutable std::mutex lock;
    std::vector<std::array<uint8_t, 64>> trace;
    std::array<int, 256> commandCounts {};
    int requestNumber = 0;
    int dataPacketCount = 0;
    int announcedLast = 0;
    int busyLeft = 0;
    int busyToggle = 0;
    bool finishReceived = false;
    int sumMismatchCount = 0;
    std::vector<BlockRecord> blockList;
    std::vector<uint8_t> pending;      // bytes of the block being received
    std::vector<std::pair<uint8_t, std::vector<uint8_t>>> memories;
    std::vector<float> turnarounds;
    double lastAnswerSentUs = -1.0;
    std::atomic<double> latencySpentUs { 0.0 };
};

} // namespace emu
