#include "config/ini_document.h"

#include <utility>

#include "launch/string_list.h"

namespace {

// The bounds of `text` without the bytes that `skip` accepts at either end.
template <typename Skip>
std::pair<std::size_t, std::size_t> innerBounds(const std::string& text, Skip skip)
{
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && skip(text[start])) {
        ++start;
    }
    while (end > start && skip(text[end - 1])) {
        --end;
    }
    return {start, end};
}

std::string trimmed(const std::string& text)
{
    auto [start, end] = innerBounds(text, isWhiteSpace);
    return text.substr(start, end - start);
}

// Control characters, the blank and every byte from 128 up (a signed byte
// of 32 or less) are passed over around a section header.
bool isHeaderPadding(char byte)
{
    return static_cast<signed char>(byte) <= 32;
}

bool isSectionHeader(const std::string& line)
{
    auto [start, end] = innerBounds(line, isHeaderPadding);
    return end - start >= 2 && line[start] == '[' && line[end - 1] == ']';
}

}  // namespace

void parseIniText(const std::string& text, IniDocument& document)
{
    document.sections.clear();
    IniSection* current = nullptr;
    for (const std::string& line : splitText(text, "\r\n")) {
        if (line.empty()) {
            continue;
        }
        if (isSectionHeader(line)) {
            std::string::size_type open = line.find('[');
            std::string::size_type close = line.rfind(']');
            document.sections.push_back(IniSection{line.substr(open + 1, close - open - 1), {}});
            current = &document.sections.back();
            continue;
        }
        std::string::size_type equals = line.find('=');
        if (equals == std::string::npos || current == nullptr) {
            continue;
        }
        current->entries.push_back(IniEntry{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))});
    }
}

const IniSection* findSection(const IniDocument& document, const std::string& name)
{
    for (const IniSection& section : document.sections) {
        if (section.name == name) {
            return &section;
        }
    }
    return nullptr;
}

const IniEntry* findKey(const IniSection& section, const std::string& key)
{
    for (const IniEntry& entry : section.entries) {
        if (entry.key == key) {
            return &entry;
        }
    }
    return nullptr;
}
