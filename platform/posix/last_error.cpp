#include "platform/last_error.h"

#include <cerrno>

namespace platform {

std::uint32_t lastErrorCode()
{
    return static_cast<std::uint32_t>(errno);
}

}  // namespace platform
