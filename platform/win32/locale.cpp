#include "platform/locale.h"

#include "platform/win32/windows_api.h"

namespace platform {

void useSystemDefaultLocale()
{
    SetThreadLocale(GetSystemDefaultLCID());
}

}  // namespace platform
