// Where configuration values come from: the embedded text, overridden or
// extended by the configuration file on disk.
#pragma once

#include <string>

#include "config/ini_document.h"

struct LauncherContext;

// One batch of lookups: the file to consult and the embedded text, parsed
// once for the batch.
struct ConfigSource {
    std::string filePath;
    IniDocument document;
};

// A source for `filePath` over the embedded configuration that the
// context's Upgrade Code unlocks.
ConfigSource makeConfigSource(const std::string& filePath, const LauncherContext& context);

// The value of `key` in `section` of the INI file, as the system's profile
// functions read it; empty when the file, section or key is missing.
std::string readProfileValue(const std::string& filePath, const std::string& section, const std::string& key);

// The layered value: the file's [section] value when it is not empty;
// otherwise the embedded value followed by the file's [section+] value
// (with a blank after it unless it starts with one).
std::string lookupValue(const ConfigSource& source, const std::string& section, const std::string& key);
