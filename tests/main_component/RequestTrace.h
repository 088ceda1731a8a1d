#pragma once

// Reads the requests the emulated controller received back into blocks, and
// notes every request byte that should be 0 but is not.

#include "main_component/UpdatePacket.h"
#include "main_component/UpdateResponses.h"

#include <array>
#include <string>
#include <vector>

namespace enginetest
{

struct TracedBlock
{
    uint8_t target = 0;
    uint32_t address = 0;
    uint32_t length = 0;
    int fullPackets = 0;        // CMD_DATA with 62 bytes
    int announced = 0;          // byte 2 of CMD_DATA_LAST, 0 if none
    int lastPacketBytes = 0;    // bytes of the CMD_DATA that followed it
    std::vector<uint8_t> bytes;
    bool sumSent = false;
    bool sumCorrect = false;
};

struct RequestTrace
{
    std::vector<std::array<uint8_t, 64>> requests;
    std::vector<TracedBlock> blocks;
    std::vector<std::string> nonZeroUnusedBytes;

    explicit RequestTrace (std::vector<std::array<uint8_t, 64>> all) : requests (std::move (all))
    {
        int announcedLength = 0;
        for (size_t n = 0; n < requests.size(); ++n)
            read (n, announcedLength);
    }

    int count (uint8_t command) const
    {
        int c = 0;
        for (const auto& r : requests)
            c += r[1] == command ? 1 : 0;
        return c;
    }

    int64_t dataBytes() const
    {
        int64_t total = 0;
        for (const auto& b : blocks)
            total += (int64_t) b.bytes.size();
        return total;
    }

    static uint32_t field32 (const std::array<uint8_t, 64>& r, size_t offset)
    {
        return (uint32_t) r[offset] | ((uint32_t) r[offset + 1] << 8)
             | ((uint32_t) r[offset + 2] << 16) | ((uint32_t) r[offset + 3] << 24);
    }

private:
    void expectZeroFrom (size_t n, size_t first)
    {
        for (size_t i = first; i < 64; ++i)
            if (requests[n][i] != 0)
                nonZeroUnusedBytes.push_back ("request " + std::to_string (n) + " byte " + std::to_string (i));
    }

    void read (size_t n, int& announcedLength)
    {
        const auto& r = requests[n];
        switch (r[1])
        {
            case CMD_BLOCK_HEAD:
            {
                TracedBlock block;
                block.target = r[0];
                block.address = field32 (r, 2);
                block.length = field32 (r, 7);
                blocks.push_back (std::move (block));
                expectZeroFrom (n, 11);
                break;
            }
            case CMD_BEGIN:
                expectZeroFrom (n, 11);
                break;
            case CMD_DATA_LAST:
                announcedLength = r[2];
                if (! blocks.empty())
                    blocks.back().announced = r[2];
                expectZeroFrom (n, 3);
                break;
            case CMD_DATA:
                readData (n, announcedLength);
                break;
            case CMD_BLOCK_SUM:
                if (! blocks.empty())
                {
                    auto& b = blocks.back();
                    b.sumSent = true;
                    b.sumCorrect = field32 (r, 2) == updproto::byteSum (b.bytes.data(), (int64_t) b.bytes.size());
                }
                expectZeroFrom (n, 6);
                break;
            default:
                expectZeroFrom (n, 2);
                break;
        }
    }

    void readData (size_t n, int& announcedLength)
    {
        const auto& r = requests[n];
        const auto length = announcedLength > 0 ? (size_t) announcedLength : DATA_BYTES_PER_PACKET;
        if (! blocks.empty())
        {
            auto& b = blocks.back();
            b.bytes.insert (b.bytes.end(), r.begin() + 2, r.begin() + 2 + (long) length);
            if (announcedLength > 0)
                b.lastPacketBytes = announcedLength;
            else
                ++b.fullPackets;
        }
        announcedLength = 0;
        expectZeroFrom (n, 2 + length);
    }
};

} // namespace enginetest
