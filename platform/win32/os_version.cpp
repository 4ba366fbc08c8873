#include "platform/os_version.h"

#include "platform/win32/windows_api.h"

namespace platform {

bool isNtFamily()
{
    // The extended record first; systems before NT 4 SP6 know only the basic one.
    OSVERSIONINFOEXA extended{};
    extended.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) {
        return extended.dwPlatformId == VER_PLATFORM_WIN32_NT;
    }
    OSVERSIONINFOA basic{};
    basic.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (GetVersionExA(&basic)) {
        return basic.dwPlatformId == VER_PLATFORM_WIN32_NT;
    }
#pragma GCC diagnostic pop
    return false;
}

}  // namespace platform
