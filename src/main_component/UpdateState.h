#pragma once

#include <cstdint>

// Every value updState can hold: a phase of the update, or an error ID.
enum UpdateState : int32_t
{
    UPD_INIT = 0,
    UPD_READY = 1,
    UPD_BEGIN = 2,
    UPD_BLOCK_HEAD = 3,
    UPD_BLOCK_DATA = 4,
    UPD_BLOCK_SUM = 5,
    UPD_BLOCK_WAIT = 6,
    UPD_FINISH = 7,
    UPD_COMPLETE = 8,

    ERR_FILE_MISSING = 0x0E01,
    ERR_FILE_LOAD = 0x0E02,
    ERR_FILE_SIZE = 0x0E03,
    ERR_FILE_VERSION = 0x0E04,
    ERR_FILE_CRC = 0x0E05,
    ERR_DEV_VERSION = 0x0E11,
    ERR_NOT_CONNECTED = 0x0E21,
    ERR_REFUSED_1 = 0x0E31,
    ERR_FILE_OPEN = 0x0E32,
    ERR_REFUSED_2 = 0x0E33,
    ERR_REFUSED_3 = 0x0E34,
    ERR_REFUSED_4 = 0x0E35,
    ERR_NO_RESPONSE = 0x0E36,
    ERR_REMOVED = 0x0E37,
    ERR_UNEXPECTED = 0x0E41
};

constexpr bool isErrorState (int32_t state) noexcept
{
    return state >= ERR_FILE_MISSING && state <= ERR_UNEXPECTED;
}

constexpr bool isTransferPhase (int32_t state) noexcept
{
    return state >= UPD_BLOCK_HEAD && state <= UPD_BLOCK_WAIT;
}
