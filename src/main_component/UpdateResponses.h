#pragma once

// How the controller's answers are judged: pure functions over the request and
// the response, so that every rule can be tested, and fuzzed, without a device.

#include "UpdatePacket.h"

#include <juce_core/juce_core.h>

#include <cstdint>

namespace updproto
{

// The error ID a refusal with this reason leads to, by the refused request.
int32_t refusalError (uint8_t command, uint8_t reason) noexcept;

// True when the answer must be recorded as unexpected by the exchange itself:
// it does not echo the request's target, or it is a refusal with reason 5.
bool exchangeFault (const UpdatePacket& request, const UpdatePacket& response) noexcept;

// The mode answer: 1 or 2 for a known kind, else 0 with the error ID in *error.
int32_t modeFromAnswer (const UpdatePacket& response, int32_t* error) noexcept;

// The fields of a version answer (response code 0x82).
struct VersionAnswer
{
    uint32_t date = 0;
    bool dateWithinBounds = false;
    juce::String version;   // four bytes 0xFF read as "0.00"
};
VersionAnswer readVersionAnswer (const UpdatePacket& response);

// Little-endian 32-bit field of a request.
void putLittleEndian32 (UpdatePacket& packet, size_t offset, uint32_t value) noexcept;

// Sum of the bytes, each unsigned, in 32 bits.
uint32_t byteSum (const uint8_t* bytes, int64_t length) noexcept;

} // namespace updproto
