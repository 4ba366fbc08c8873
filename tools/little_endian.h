// Little-endian fields in a byte buffer. Callers check the bounds first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace packer {

using Bytes = std::vector<std::uint8_t>;

inline std::uint16_t read16(const Bytes& bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

inline std::uint32_t read32(const Bytes& bytes, std::size_t offset)
{
    return read16(bytes, offset) | static_cast<std::uint32_t>(read16(bytes, offset + 2)) << 16;
}

inline void write16(Bytes& bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void write32(Bytes& bytes, std::size_t offset, std::uint32_t value)
{
    write16(bytes, offset, static_cast<std::uint16_t>(value));
    write16(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

// True when `length` bytes from `offset` lie inside a buffer of `size`
// bytes, without overflowing on the way.
inline bool fitsIn(std::size_t size, std::uint64_t offset, std::uint64_t length)
{
    return offset <= size && length <= size - offset;
}

}  // namespace packer
