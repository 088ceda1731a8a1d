#pragma once

// Builds update files: valid ones with any version text, date word and image
// contents, and the defective variants the engine's checks must reject.

#include <juce_core/juce_core.h>

#include <array>
#include <cstdint>
#include <vector>

namespace updfile
{

struct UpdateFileRecipe
{
    int kind = 1;                                            // 1 or 2: selects the file name
    std::array<uint8_t, 4> versionBytes { '1', '.', '0', '2' };
    uint32_t dateWord = 0x20240115;                          // stored big-endian
    uint32_t seed = 1;                                       // image contents
};

// Version bytes from a text of up to four characters (missing ones are 0).
std::array<uint8_t, 4> versionBytesOf (const char* text);

// A valid file of 0x200000 bytes: seeded image contents, the version text and
// the date word inside image 2, and the CRC stored low byte first.
std::vector<uint8_t> buildUpdateFile (const UpdateFileRecipe& recipe);

enum class Defect
{
    none,
    oneByteShort,               // 0x1FFFFF bytes
    oneByteLong,                // 0x200001 bytes
    crcHighByteFirst,           // the right CRC, bytes swapped
    changedUncoveredByte,       // a byte in 0x1E0000..0x1FFFFD changed, CRC not fixed
    changedImageByte,           // a byte of image 1 changed, CRC not fixed
};

// A file with one defect; `where` chooses the byte for the changed-byte defects
// (relative to the start of the region), otherwise unused.
std::vector<uint8_t> buildDefectiveUpdateFile (const UpdateFileRecipe& recipe, Defect defect, int64_t where = 0);

// Recomputes and stores the CRC of a file of 0x200000 bytes.
void storeCrc (std::vector<uint8_t>& file);

// "krvtm40__v102.bin" (kind 1) or "krvtm40_B__v102.bin" (kind 2): the three
// characters are the version text without its dot.
juce::String updateFileName (int kind, const char* versionText = "1.02");

bool writeUpdateFile (const juce::File& file, const std::vector<uint8_t>& bytes);

} // namespace updfile
