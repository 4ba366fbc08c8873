// The smallest Windows executable the packer must handle: headers with room
// to spare, one code section, no resources, no symbols.
#pragma once

#include <cstddef>

#include "tools/little_endian.h"

namespace synthetic {

// Offsets in the image that syntheticPe() makes.
constexpr std::size_t kFileHeader = 0x44;
constexpr std::size_t kOptionalHeader = 0x58;
constexpr std::size_t kSectionAlignment = 0x1000;
constexpr std::size_t kFileAlignment = 0x200;

std::size_t sectionTable(bool pe32Plus);
std::size_t dataDirectory(bool pe32Plus, std::size_t index);

packer::Bytes syntheticPe(bool pe32Plus);

}  // namespace synthetic
