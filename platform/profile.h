// Reading and writing single values of INI files, with the rules of the
// system's profile functions: section and key names without regard to
// letter case, blanks around a value and one pair of enclosing quotes
// removed, ANSI files and UTF-16LE files with a byte-order mark both read.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Copies the value of `key` in `section` of `file` into `buffer` (`size`
// bytes, terminator included) and returns the number of bytes copied
// without the terminator. A value that does not fit is cut, and the result
// is then size - 1. A missing file, section or key gives `defaultValue`.
std::uint32_t readProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& defaultValue, char* buffer, std::uint32_t size);

// Sets `key` in `section` of `file` to `value`, adding the section or key
// when missing and creating the file when it does not exist. Every other
// line of the file stays as it was. False when the file cannot be written.
bool writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace platform
