// An ordered list of narrow strings; duplicates and empty strings allowed.
#pragma once

#include <string>
#include <vector>

using StringList = std::vector<std::string>;

// The pieces of `text` between the occurrences of `separator`, in order:
// empty pieces before a leading separator or between two adjacent ones are
// kept, a separator at the very end adds none, an empty text gives none.
StringList splitText(const std::string& text, const std::string& separator);

// The white space of the launcher's texts: blank, tab, line feed, vertical
// tab, form feed and carriage return.
inline bool isWhiteSpace(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' || byte == '\r';
}
