#include "platform/kernel_handle.h"

#include "platform/win32/windows_api.h"

namespace platform {

void KernelHandleTraits::close(Handle handle) noexcept
{
    DWORD saved = GetLastError();
    CloseHandle(handle);
    SetLastError(saved);
}

}  // namespace platform
