#include "UpdateResponses.h"

#include "UpdateFileFormat.h"
#include "UpdateState.h"

namespace updproto
{

int32_t refusalError (uint8_t command, uint8_t reason) noexcept
{
    switch (command)
    {
        case CMD_GET_MODE:
            switch (reason)
            {
                case 1: return ERR_REFUSED_1;
                case 2: return ERR_REFUSED_2;
                case 3: return ERR_REFUSED_3;
                case 4: return ERR_REFUSED_4;
                default: return ERR_UNEXPECTED;
            }
        case CMD_BLOCK_SUM:
            return reason == 2 ? ERR_REFUSED_2 : ERR_UNEXPECTED;
        case CMD_BLOCK_STATUS:
            if (reason == 3)
                return ERR_REFUSED_3;
            return reason == 4 ? ERR_REFUSED_4 : ERR_UNEXPECTED;
        default:
            return ERR_UNEXPECTED;
    }
}

bool exchangeFault (const UpdatePacket& request, const UpdatePacket& response) noexcept
{
    return response[0] != request[0] || (response[1] == RSP_REFUSED && response[2] == 5);
}

int32_t modeFromAnswer (const UpdatePacket& response, int32_t* error) noexcept
{
    *error = 0;
    if (response[1] == RSP_MODE2)
        return 2;
    if (response[1] == RSP_OK)
        return 1;

    *error = response[1] == RSP_REFUSED ? refusalError (CMD_GET_MODE, response[2]) : ERR_UNEXPECTED;
    return 0;
}

VersionAnswer readVersionAnswer (const UpdatePacket& response)
{
    VersionAnswer answer;
    answer.date = updfile::readBigEndian32 (response.bytes + 2);
    answer.dateWithinBounds = updfile::dateBytesWithinBounds (response.bytes + 2);

    const uint8_t* text = response.bytes + 7;
    static constexpr uint8_t unset[4] = { 0xFF, 0xFF, 0xFF, 0xFF };
    static constexpr uint8_t zeroVersion[4] = { '0', '.', '0', '0' };
    answer.version = updfile::textFromVersionBytes (std::memcmp (text, unset, 4) == 0 ? zeroVersion : text);
    return answer;
}

void putLittleEndian32 (UpdatePacket& packet, size_t offset, uint32_t value) noexcept
{
    for (size_t i = 0; i < 4; ++i)
        packet[offset + i] = (uint8_t) (value >> (8 * i));
}

uint32_t byteSum (const uint8_t* bytes, int64_t length) noexcept
{
    uint32_t sum = 0;
    for (int64_t i = 0; i < length; ++i)
        sum += bytes[i];
    return sum;
}

} // namespace updproto
