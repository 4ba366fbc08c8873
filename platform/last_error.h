// The error code of the last failed operating-system call on this thread:
// the number that messages show as "errno".
#pragma once

#include <cstdint>

namespace platform {

std::uint32_t lastErrorCode();

}  // namespace platform
