#include "launch/string_list.h"

StringList splitText(const std::string& text, const std::string& separator)
{
    StringList pieces;
    if (text.empty()) {
        return pieces;
    }
    if (separator.empty()) {
        pieces.push_back(text);
        return pieces;
    }
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type found = text.find(separator, start);
        if (found == std::string::npos) {
            pieces.push_back(text.substr(start));
            break;
        }
        pieces.push_back(text.substr(start, found - start));
        start = found + separator.size();
    }
    return pieces;
}
