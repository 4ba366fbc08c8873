// The executable's string table.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The UTF-16 text of string `id` from the executable's own string table;
// empty when there is none.
std::u16string loadStringResource(std::uint16_t id);

}  // namespace platform
