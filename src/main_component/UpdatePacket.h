#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// One 64-byte report of the update protocol: target, command or response code, fields.
struct UpdatePacket
{
    static constexpr size_t size = 64;
    uint8_t bytes[size] = {};

    void clear() noexcept { std::memset (bytes, 0, size); }
    uint8_t& operator[] (size_t i) noexcept { return bytes[i]; }
    uint8_t operator[] (size_t i) const noexcept { return bytes[i]; }
};

// Targets (byte 0).
constexpr uint8_t TGT_SYSTEM = 0xF0;
constexpr uint8_t TGT_IMAGE0 = 0xF1;
constexpr uint8_t TGT_IMAGE1 = 0xF2;
constexpr uint8_t TGT_IMAGE2 = 0xF7;

// Requests (byte 1).
constexpr uint8_t CMD_GET_MODE = 0x00;
constexpr uint8_t CMD_GET_VERSION = 0x01;
constexpr uint8_t CMD_BLOCK_HEAD = 0x02;
constexpr uint8_t CMD_DATA = 0x03;
constexpr uint8_t CMD_BLOCK_SUM = 0x04;
constexpr uint8_t CMD_BLOCK_STATUS = 0x05;
constexpr uint8_t CMD_FINISH = 0x06;
constexpr uint8_t CMD_DATA_LAST = 0x07;
constexpr uint8_t CMD_BEGIN = 0x08;

// Responses (byte 1).
constexpr uint8_t RSP_OK = 0x80;
constexpr uint8_t RSP_REFUSED = 0x81;
constexpr uint8_t RSP_VERSION = 0x82;
constexpr uint8_t RSP_BUSY1 = 0x83;
constexpr uint8_t RSP_BUSY2 = 0x84;
constexpr uint8_t RSP_BLOCK_DONE = 0x85;
constexpr uint8_t RSP_MODE2 = 0x8B;

constexpr size_t DATA_BYTES_PER_PACKET = 62;
constexpr int64_t BLOCK_SIZE_MAX = 0x20000;
