// Conversions between UTF-16 and narrow strings in the calling thread's ANSI
// code page, and the code page's double-byte rule.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string narrowFromUtf16(std::u16string_view text);

std::u16string utf16FromNarrow(std::string_view text);

// True when `byte` starts a double-byte character of the ANSI code page, so
// that the byte after it is part of the same character.
bool isLeadByte(unsigned char byte);

}  // namespace platform
