#pragma once

#include "UpdatePacket.h"

#include <algorithm>
#include <mutex>

// The last response from the controller: written by the message thread
// (input reports, the quit sequence), read by the update thread. The lock is
// held only for the 64-byte copies.
class ResponseSlot
{
public:
    // The first n bytes (at most 64) are replaced; the others keep their values.
    void store (const uint8_t* bytes, size_t n) noexcept
    {
        const std::lock_guard<std::mutex> guard (lock);
        std::memcpy (packet.bytes, bytes, std::min (n, UpdatePacket::size));
    }

    void clear() noexcept
    {
        const std::lock_guard<std::mutex> guard (lock);
        packet.clear();
    }

    void copyTo (UpdatePacket& destination) const noexcept
    {
        const std::lock_guard<std::mutex> guard (lock);
        destination = packet;
    }

    uint8_t operator[] (size_t i) const noexcept
    {
        const std::lock_guard<std::mutex> guard (lock);
        return packet[i];
    }

private:
    mutable std::mutex lock;
    UpdatePacket packet;
};
