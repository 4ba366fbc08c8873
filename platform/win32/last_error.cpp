#include "platform/last_error.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::uint32_t lastErrorCode()
{
    return GetLastError();
}

}  // namespace platform
