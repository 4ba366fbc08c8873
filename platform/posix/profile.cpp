#include "platform/profile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/file_descriptor.h"
#include "platform/text_conversion.h"

// The file rules of the Windows profile functions, as Wine's show them:
// a line ends at CR, LF or CRLF; blanks are the ASCII white-space characters
// and Ctrl-Z; a line that starts with "[" and has a "]" after it is a header
// whose name runs to the last "]"; every other non-blank line is a key, with
// or without "="; lines before the first header belong to a section without
// a name. Only the first section of a name and the first key of a name in it
// count, and there is no comment syntax: ";k=v" is the key ";k".

namespace platform {

namespace {

using posix::FileDescriptor;

template <typename Char>
using Text = std::basic_string<Char>;
template <typename Char>
using View = std::basic_string_view<Char>;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";

template <typename Char>
bool isBlank(Char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0x1A;
}

template <typename Char>
std::size_t leadingBlanks(View<Char> text)
{
    std::size_t count = 0;
    while (count < text.size() && isBlank(text[count])) {
        ++count;
    }
    return count;
}

template <typename Char>
View<Char> trimmed(View<Char> text)
{
    text.remove_prefix(leadingBlanks(text));
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

template <typename Char>
Char foldAscii(Char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}

template <typename Char>
bool sameName(View<Char> a, View<Char> b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](Char x, Char y) { return foldAscii(x) == foldAscii(y); });
}

template <typename Char>
Text<Char> widened(std::string_view ascii)
{
    return Text<Char>(ascii.begin(), ascii.end());
}

// One pair of the same quote around the whole value goes.
template <typename Char>
View<Char> withoutQuotes(View<Char> value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

struct Line {
    std::size_t begin;
    std::size_t contentEnd;  // where the line end starts
    std::size_t end;         // after the line end
};

template <typename Char>
Line lineAt(View<Char> text, std::size_t begin)
{
    std::size_t contentEnd = begin;
    while (contentEnd < text.size() && text[contentEnd] != '\r' && text[contentEnd] != '\n') {
        ++contentEnd;
    }
    std::size_t end = contentEnd;
    if (end < text.size()) {
        end += text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
    }
    return Line{begin, contentEnd, end};
}

// Where a key is in the text, or where it would be added.
struct KeyPlace {
    bool sectionFound = false;
    bool keyFound = false;
    // For a key found: whether its line has "=", and the span of its value
    // without blanks (empty, where a value goes, when there is none).
    bool hasEquals = false;
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
    // For a section found without the key: the end of the section's last
    // non-blank line, and whether that line has a line end.
    std::size_t sectionEnd = 0;
    bool sectionEndsLine = true;
};

template <typename Char>
KeyPlace findKey(View<Char> text, View<Char> section, View<Char> key)
{
    section = trimmed(section);
    key = trimmed(key);
    KeyPlace place;
    bool inSection = section.empty();
    place.sectionFound = inSection;
    for (std::size_t next = 0; next < text.size();) {
        Line line = lineAt(text, next);
        next = line.end;
        View<Char> content = text.substr(line.begin, line.contentEnd - line.begin);
        std::size_t bodyBegin = line.begin + leadingBlanks(content);
        View<Char> body = trimmed(content);
        if (body.empty()) {
            continue;
        }
        if (body.front() == '[') {
            std::size_t close = body.rfind(']');
            if (close != View<Char>::npos && close > 0) {
                if (inSection) {
                    break;  // later sections of the same name do not count
                }
                inSection = sameName(trimmed(body.substr(1, close - 1)), section);
                if (inSection) {
                    place.sectionFound = true;
                    place.sectionEnd = line.end;
                    place.sectionEndsLine = line.end > line.contentEnd;
                }
                continue;
            }
        }
        if (!inSection) {
            continue;
        }
        place.sectionEnd = line.end;
        place.sectionEndsLine = line.end > line.contentEnd;
        std::size_t equals = body.find('=');
        if (!sameName(trimmed(body.substr(0, equals)), key)) {
            continue;
        }
        place.keyFound = true;
        place.valueEnd = bodyBegin + body.size();
        if (equals == View<Char>::npos) {
            place.valueBegin = place.valueEnd;
        } else {
            place.hasEquals = true;
            place.valueBegin = bodyBegin + equals + 1 + leadingBlanks(body.substr(equals + 1));
        }
        return place;
    }
    return place;
}

// The line end that the file itself uses first; CRLF for a file without one.
template <typename Char>
Text<Char> lineEndOf(View<Char> text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            return widened<Char>("\n");
        }
        if (text[i] == '\r') {
            return widened<Char>(i + 1 < text.size() && text[i + 1] == '\n' ? "\r\n" : "\r");
        }
    }
    return widened<Char>("\r\n");
}

template <typename Char>
Text<Char> withValue(View<Char> text, View<Char> section, View<Char> key, View<Char> value)
{
    section = trimmed(section);
    key = trimmed(key);
    KeyPlace place = findKey(text, section, key);
    Text<Char> result(text);
    if (place.keyFound) {
        Text<Char> replacement = place.hasEquals ? Text<Char>() : widened<Char>("=");
        replacement += value;
        result.replace(place.valueBegin, place.valueEnd - place.valueBegin, replacement);
        return result;
    }
    Text<Char> lineEnd = lineEndOf(text);
    Text<Char> added;
    std::size_t at = text.size();
    if (place.sectionFound) {
        at = place.sectionEnd;
        if (!place.sectionEndsLine) {
            added += lineEnd;
        }
    } else {
        if (!text.empty() && text.back() != '\r' && text.back() != '\n') {
            added += lineEnd;
        }
        added += widened<Char>("[");
        added += section;
        added += widened<Char>("]");
        added += lineEnd;
    }
    added += key;
    added += widened<Char>("=");
    added += value;
    added += lineEnd;
    result.insert(at, added);
    return result;
}

std::u16string utf16Units(std::string_view bytes)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return units;
}

std::string utf16Bytes(std::u16string_view units)
{
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// The value of `key` in `section` of the file's bytes, in the ANSI code
// page, quotes removed; false when the key is missing or has no "=".
bool findValue(std::string_view bytes, const std::string& section, const std::string& key, std::string& value)
{
    if (startsWith(bytes, kUtf16Mark)) {
        std::u16string text = utf16Units(bytes.substr(kUtf16Mark.size()));
        std::u16string sectionUnits = utf16FromNarrow(section);
        std::u16string keyUnits = utf16FromNarrow(key);
        KeyPlace place = findKey<char16_t>(text, sectionUnits, keyUnits);
        if (!place.hasEquals) {
            return false;
        }
        value = narrowFromUtf16(
            withoutQuotes(std::u16string_view(text).substr(place.valueBegin, place.valueEnd - place.valueBegin)));
        return true;
    }
    if (startsWith(bytes, kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
    }
    KeyPlace place = findKey<char>(bytes, section, key);
    if (!place.hasEquals) {
        return false;
    }
    value = std::string(withoutQuotes(bytes.substr(place.valueBegin, place.valueEnd - place.valueBegin)));
    return true;
}

// The file's bytes with `key` set; the byte-order mark, the encoding and
// every other byte stay.
std::string withValueInFile(std::string_view bytes, const std::string& section, const std::string& key,
                            const std::string& value)
{
    if (startsWith(bytes, kUtf16Mark)) {
        std::string_view body = bytes.substr(kUtf16Mark.size());
        std::u16string text = utf16Units(body);
        std::u16string changed = withValue<char16_t>(text, utf16FromNarrow(section), utf16FromNarrow(key),
                                                     utf16FromNarrow(value));
        // An odd last byte is no character, but it is the file's own.
        return std::string(kUtf16Mark) + utf16Bytes(changed) + std::string(body.substr(text.size() * 2));
    }
    std::string_view mark = startsWith(bytes, kUtf8Mark) ? kUtf8Mark : std::string_view();
    return std::string(mark) + withValue<char>(bytes.substr(mark.size()), section, key, value);
}

enum class ReadOutcome { read, missing, failed };

ReadOutcome readWholeFile(const std::string& path, std::string& content)
{
    FileDescriptor descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!descriptor) {
        return errno == ENOENT ? ReadOutcome::missing : ReadOutcome::failed;
    }
    std::string bytes;
    char chunk[8192];
    for (;;) {
        ssize_t got = ::read(descriptor.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return ReadOutcome::failed;
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    content = std::move(bytes);
    return ReadOutcome::read;
}

bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes a new file beside `path` and renames it over `path`, so that a
// failed write leaves the old file whole. `mode` is the old file's, or
// negative for a new file, which gets the default permissions.
bool replaceFile(const std::string& path, std::string_view content, int mode)
{
    static std::atomic<unsigned> counter{0};
    std::string temporary;
    FileDescriptor descriptor;
    for (int attempt = 0; attempt < 100 && !descriptor; ++attempt) {
        temporary = path + ".tarn-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
        descriptor.reset(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!descriptor && errno != EEXIST) {
            return false;
        }
    }
    if (!descriptor) {
        return false;
    }
    bool written = (mode < 0 || fchmod(descriptor.get(), static_cast<mode_t>(mode)) == 0) &&
                   writeAll(descriptor.get(), content) && fsync(descriptor.get()) == 0;
    written = ::close(descriptor.release()) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::uint32_t readProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& defaultValue, char* buffer, std::uint32_t size)
{
    std::string content;
    std::string value;
    if (readWholeFile(file, content) != ReadOutcome::read || !findValue(content, section, key, value)) {
        // The default loses its trailing blanks and its quotes.
        std::string_view fallback = defaultValue;
        while (!fallback.empty() && fallback.back() == ' ') {
            fallback.remove_suffix(1);
        }
        value = std::string(withoutQuotes(fallback));
    }
    if (size == 0) {
        return 0;
    }
    auto length = static_cast<std::uint32_t>(std::min<std::size_t>(value.size(), size - 1));
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return length;
}

bool writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value)
{
    // Through a symbolic link the file it names is written, and the link stays.
    std::string target = file;
    struct stat status;
    if (lstat(file.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        std::unique_ptr<char, decltype(&std::free)> resolved(realpath(file.c_str(), nullptr), &std::free);
        if (!resolved) {
            return false;
        }
        target = resolved.get();
    }
    std::string before;
    ReadOutcome outcome = readWholeFile(target, before);
    if (outcome == ReadOutcome::failed) {
        return false;
    }
    int mode = -1;
    if (outcome == ReadOutcome::read) {
        // A file the user may not write stays as it is, even where the
        // folder would let a new one take its place.
        if (access(target.c_str(), W_OK) != 0 || stat(target.c_str(), &status) != 0) {
            return false;
        }
        mode = static_cast<int>(status.st_mode & 07777);
    }
    std::string after = withValueInFile(before, section, key, value);
    if (outcome == ReadOutcome::read && after == before) {
        return true;
    }
    return replaceFile(target, after, mode);
}

}  // namespace platform
