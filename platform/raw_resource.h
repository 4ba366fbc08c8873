// Raw-data resources of the running executable.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// The bytes of the language-neutral raw-data resource `id` of the running
// executable. False when it has none; `bytes` is then untouched.
bool loadRawResource(std::uint16_t id, std::vector<std::uint8_t>& bytes);

}  // namespace platform
