#include "tools/ini_text.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "platform/text_conversion.h"

namespace packer {

namespace {

bool startsWith(const Bytes& bytes, std::initializer_list<std::uint8_t> mark)
{
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

// Strict: overlong forms, surrogates and truncated sequences make the
// bytes something other than UTF-8.
bool decodeUtf8(const std::uint8_t* bytes, std::size_t size, std::u16string& text)
{
    std::u16string decoded;
    std::size_t n = 0;
    while (n < size) {
        std::uint8_t lead = bytes[n];
        int extra = lead < 0x80             ? 0
                    : (lead & 0xE0) == 0xC0 ? 1
                    : (lead & 0xF0) == 0xE0 ? 2
                    : (lead & 0xF8) == 0xF0 ? 3
                                            : -1;
        if (extra < 0 || size - n <= static_cast<std::size_t>(extra)) {
            return false;
        }
        char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            std::uint8_t next = bytes[n + k];
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = code << 6 | (next & 0x3F);
        }
        static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        if (code < 0x10000) {
            decoded += static_cast<char16_t>(code);
        } else {
            decoded += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            decoded += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
        n += static_cast<std::size_t>(extra) + 1;
    }
    text = std::move(decoded);
    return true;
}

std::u16string withCrLf(const std::u16string& text)
{
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (text[n] == u'\r') {
            out += u"\r\n";
            if (n + 1 < text.size() && text[n + 1] == u'\n') {
                ++n;
            }
        } else if (text[n] == u'\n') {
            out += u"\r\n";
        } else {
            out += text[n];
        }
    }
    return out;
}

}  // namespace

bool iniTextFromFile(const Bytes& bytes, std::u16string& text, std::string& error)
{
    std::u16string decoded;
    if (startsWith(bytes, {0xFF, 0xFE})) {
        if (bytes.size() % 2 != 0) {
            error = "it is UTF-16 with an odd number of bytes";
            return false;
        }
        decoded = textFromUtf16LittleEndian(Bytes(bytes.begin() + 2, bytes.end()));
    } else if (startsWith(bytes, {0xFE, 0xFF})) {
        error = "it is UTF-16 big-endian; save it as UTF-16LE or UTF-8";
        return false;
    } else if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        if (!decodeUtf8(bytes.data() + 3, bytes.size() - 3, decoded)) {
            error = "it is marked as UTF-8 but is not valid UTF-8";
            return false;
        }
    } else if (!decodeUtf8(bytes.data(), bytes.size(), decoded)) {
        std::string_view narrow(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        decoded = platform::utf16FromNarrow(narrow);
    }
    text = withCrLf(decoded);
    return true;
}

Bytes utf16LittleEndian(const std::u16string& text)
{
    Bytes bytes;
    bytes.reserve(2 * text.size());
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::u16string textFromUtf16LittleEndian(const Bytes& bytes)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t n = 0; n + 1 < bytes.size(); n += 2) {
        text += static_cast<char16_t>(read16(bytes, n));
    }
    return text;
}

}  // namespace packer
