#include "platform/text_conversion.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::string narrowFromUtf16(std::u16string_view text)
{
    if (text.empty()) {
        return std::string();
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    int length = static_cast<int>(text.size());
    int needed = WideCharToMultiByte(CP_THREAD_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return std::string();
    }
    std::string narrow(static_cast<std::size_t>(needed), '\0');
    int written = WideCharToMultiByte(CP_THREAD_ACP, 0, wide, length, narrow.data(), needed, nullptr, nullptr);
    narrow.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return narrow;
}

std::u16string utf16FromNarrow(std::string_view text)
{
    if (text.empty()) {
        return std::u16string();
    }
    int length = static_cast<int>(text.size());
    int needed = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), length, nullptr, 0);
    if (needed <= 0) {
        return std::u16string();
    }
    std::u16string wide(static_cast<std::size_t>(needed), u'\0');
    int written = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), length,
                                      reinterpret_cast<wchar_t*>(wide.data()), needed);
    wide.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return wide;
}

bool isLeadByte(unsigned char byte)
{
    return IsDBCSLeadByteEx(CP_THREAD_ACP, byte) != 0;
}

}  // namespace platform
