// The update file's checks on arbitrary bytes: once as a whole file of any
// size, and once laid over a valid file, where the input lands on the version
// text, the date word, the CRC and the bytes only the CRC covers.
#include "UpdateFileBuilder.h"
#include "UpdateFileFormat.h"
#include "UpdateState.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
const std::vector<uint8_t>& validFile()
{
    static const auto file = updfile::buildUpdateFile ({});
    return file;
}

void judge (const uint8_t* data, int64_t size, int64_t expected)
{
    uint32_t date = 0;
    juce::String version;
    const auto result = updfile::checkFileBytes (data, size, expected, &date, version);
    if (result != 1 && result != ERR_FILE_SIZE && result != ERR_FILE_VERSION && result != ERR_FILE_CRC)
        __builtin_trap();
}
}

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    judge (data, (int64_t) size, updfile::fileSize);
    judge (data, (int64_t) size, (int64_t) size);
    (void) updfile::crc16Xmodem (data, (int64_t) size);
    (void) updfile::nameQualifies (juce::String::fromUTF8 (reinterpret_cast<const char*> (data), (int) size), 1 + (int) (size % 3));

    auto file = validFile();
    const int64_t places[] = { updfile::versionOffset, updfile::dateOffset, updfile::crcOffset, updfile::transferredEnd };
    size_t used = 0;
    for (auto place : places)
    {
        const auto room = place == updfile::transferredEnd ? (size_t) (updfile::crcOffset - place) : (size_t) 4;
        const auto n = std::min (room, size - used);
        std::memcpy (file.data() + place, data + used, std::min<size_t> (n, (size_t) (updfile::fileSize - place)));
        used += n;
    }
    judge (file.data(), (int64_t) file.size(), updfile::fileSize);
    return 0;
}
