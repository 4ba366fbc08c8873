// The embedded configuration text as sections of key and value entries.
#pragma once

#include <string>
#include <vector>

struct IniEntry {
    std::string key;    // trimmed
    std::string value;  // trimmed
};

struct IniSection {
    std::string name;  // exactly as written between the brackets
    std::vector<IniEntry> entries;  // text order, duplicates kept
};

struct IniDocument {
    std::vector<IniSection> sections;  // text order; equal names stay separate
};

// Replaces `document`'s content with the sections of `text`, whose lines end
// with CR LF. There is no comment syntax; lines that are neither a header
// nor hold an "=" are skipped, and so are entries before the first header.
void parseIniText(const std::string& text, IniDocument& document);

// The first section named exactly `name`, or null.
const IniSection* findSection(const IniDocument& document, const std::string& name);

// The first entry of `section` whose key is exactly `key`, or null.
const IniEntry* findKey(const IniSection& section, const std::string& key);
