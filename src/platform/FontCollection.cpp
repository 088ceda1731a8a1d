#include "FontCollection.h"

namespace platform
{
namespace
{
// A collection starts with "ttcf", a version, the number of faces and the
// offset of each face's table directory; table offsets are absolute, so the
// faces stay valid wherever the header points.
constexpr size_t headerSize = 12;
constexpr size_t offsetSize = 4;

uint32_t readBigEndian32 (const juce::MemoryBlock& data, size_t position)
{
    return juce::ByteOrder::bigEndianInt (static_cast<const char*> (data.getData()) + position);
}

void writeBigEndian32 (juce::MemoryBlock& data, size_t position, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        data[position + i] = static_cast<char> ((value >> (8 * (3 - i))) & 0xFF);
}

bool isCollection (const juce::MemoryBlock& data)
{
    return data.getSize() >= headerSize && std::memcmp (data.getData(), "ttcf", 4) == 0;
}

bool moveFaceToFront (juce::MemoryBlock& data, int index)
{
    const auto faces = readBigEndian32 (data, 8);
    const auto slot = headerSize + static_cast<size_t> (index) * offsetSize;

    if (static_cast<uint32_t> (index) >= faces || slot + offsetSize > data.getSize())
        return false;

    const auto offset = readBigEndian32 (data, slot);

    if (offset >= data.getSize())
        return false;

    writeBigEndian32 (data, headerSize, offset);
    return true;
}
} // namespace

juce::MemoryBlock loadFontFace (const juce::File& file, int index)
{
    juce::MemoryBlock data;

    if (index < 0 || ! file.loadFileAsData (data) || data.isEmpty())
        return {};

    if (index == 0)
        return data;

    if (! isCollection (data) || ! moveFaceToFront (data, index))
        return {};

    return data;
}
} // namespace platform
