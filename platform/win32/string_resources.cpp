#include "platform/string_resources.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::u16string loadStringResource(std::uint16_t id)
{
    // With a zero buffer size LoadStringW hands back a pointer into the
    // resource itself, so texts of any length come out whole.
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        return std::u16string();
    }
    return std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<std::size_t>(length));
}

}  // namespace platform
