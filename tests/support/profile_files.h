// Helpers for tests of INI files: the bytes of a UTF-16LE file, the bytes
// of a file on disk, and one value as a caller of the profile functions
// sees it.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/profile.h"

// The byte-order mark and the text in little-endian units.
inline std::string utf16File(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

inline std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

constexpr const char* kNoValue = "<no value>";

// The value, or kNoValue when the key is missing.
inline std::string profileValue(const std::string& file, const std::string& section, const std::string& key)
{
    char buffer[1024];
    auto length = platform::readProfileString(file, section, key, kNoValue, buffer, sizeof buffer);
    return std::string(buffer, length);
}
