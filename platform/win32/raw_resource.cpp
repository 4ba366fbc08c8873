#include "platform/raw_resource.h"

#include "platform/win32/windows_api.h"

namespace platform {

bool loadRawResource(std::uint16_t id, std::vector<std::uint8_t>& bytes)
{
    // Resource handles of a loaded module need no release: they point into
    // the mapped image, which lives as long as the process.
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceExA(module, reinterpret_cast<LPCSTR>(RT_RCDATA), MAKEINTRESOURCEA(id), 0);
    if (found == nullptr) {
        return false;
    }
    HGLOBAL loaded = LoadResource(module, found);
    if (loaded == nullptr) {
        return false;
    }
    const void* data = LockResource(loaded);
    DWORD size = SizeofResource(module, found);
    if (data == nullptr && size != 0) {
        return false;
    }
    const auto* first = static_cast<const std::uint8_t*>(data);
    bytes.assign(first, first + size);
    return true;
}

}  // namespace platform
