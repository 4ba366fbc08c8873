// An ordered list of narrow strings; duplicates and empty strings allowed.
#pragma once

#include <string>
#include <vector>

using StringList = std::vector<std::string>;

// The pieces of `text` between the occurrences of `separator`, in order:
// empty pieces before a leading separator or between two adjacent ones are
// kept, a separator at the very end adds none, an empty text gives none.
StringList splitText(const std::string& text, const std::string& separator);
