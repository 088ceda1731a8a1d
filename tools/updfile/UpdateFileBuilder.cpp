#include "UpdateFileBuilder.h"

#include "UpdateFileFormat.h"

namespace updfile
{

std::array<uint8_t, 4> versionBytesOf (const char* text)
{
    std::array<uint8_t, 4> bytes {};
    for (size_t i = 0; i < bytes.size() && text[i] != 0; ++i)
        bytes[i] = (uint8_t) text[i];
    return bytes;
}

namespace
{
// xorshift32: cheap, repeatable contents with no long runs of equal bytes.
void fillSeeded (std::vector<uint8_t>& bytes, uint32_t seed)
{
    uint32_t x = seed != 0 ? seed : 0x9E3779B9u;
    for (auto& b : bytes)
    {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = (uint8_t) (x >> 24);
    }
}
}

void storeCrc (std::vector<uint8_t>& file)
{
    const auto crc = crc16Xmodem (file.data(), crcOffset);
    file[(size_t) crcOffset] = (uint8_t) (crc & 0xFF);
    file[(size_t) crcOffset + 1] = (uint8_t) (crc >> 8);
}

std::vector<uint8_t> buildUpdateFile (const UpdateFileRecipe& recipe)
{
    std::vector<uint8_t> file ((size_t) fileSize);
    fillSeeded (file, recipe.seed);

    for (size_t i = 0; i < 4; ++i)
    {
        file[(size_t) versionOffset + i] = recipe.versionBytes[i];
        file[(size_t) dateOffset + i] = (uint8_t) (recipe.dateWord >> (24 - 8 * i));
    }
    storeCrc (file);
    return file;
}

std::vector<uint8_t> buildDefectiveUpdateFile (const UpdateFileRecipe& recipe, Defect defect, int64_t where)
{
    auto file = buildUpdateFile (recipe);
    switch (defect)
    {
        case Defect::none: break;
        case Defect::oneByteShort: file.pop_back(); break;
        case Defect::oneByteLong: file.push_back (0); break;
        case Defect::crcHighByteFirst:
            std::swap (file[(size_t) crcOffset], file[(size_t) crcOffset + 1]);
            break;
        case Defect::changedUncoveredByte:
            file[(size_t) (transferredEnd + juce::jlimit<int64_t> (0, crcOffset - transferredEnd - 1, where))] ^= 0x01;
            break;
        case Defect::changedImageByte:
            file[(size_t) (images[1].fileOffset + juce::jlimit<int64_t> (0, images[1].size - 1, where))] ^= 0x80;
            break;
    }
    return file;
}

juce::String updateFileName (int kind, const char* versionText)
{
    const auto digits = juce::String (versionText).removeCharacters (".").substring (0, 3);
    return (kind == 2 ? "krvtm40_B__v" : "krvtm40__v") + digits + ".bin";
}

bool writeUpdateFile (const juce::File& file, const std::vector<uint8_t>& bytes)
{
    return file.replaceWithData (bytes.data(), bytes.size());
}

} // namespace updfile
