#include "config/config_source.h"

#include <cstdint>
#include <vector>

#include "config/embedded_configuration.h"
#include "platform/profile.h"

ConfigSource makeConfigSource(const std::string& filePath, const LauncherContext& context)
{
    ConfigSource source;
    source.filePath = filePath;
    parseIniText(LoadEmbeddedConfiguration(context), source.document);
    return source;
}

std::string readProfileValue(const std::string& filePath, const std::string& section, const std::string& key)
{
    // A result of size - 1 may be a cut value: try again with twice the room.
    // Size - 2 counts as well, since Wine cuts a quoted value that exactly
    // fills the buffer one byte short.
    std::vector<char> buffer(256);
    for (;;) {
        auto size = static_cast<std::uint32_t>(buffer.size());
        std::uint32_t length = platform::readProfileString(filePath, section, key, "", buffer.data(), size);
        if (length + 2 < size) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string lookupValue(const ConfigSource& source, const std::string& section, const std::string& key)
{
    std::string result;
    if (const IniSection* embedded = findSection(source.document, section)) {
        if (const IniEntry* entry = findKey(*embedded, key)) {
            result = entry->value;
        }
    }
    std::string fileValue = readProfileValue(source.filePath, section, key);
    if (!fileValue.empty()) {
        return fileValue;
    }
    std::string plusValue = readProfileValue(source.filePath, section + "+", key);
    if (!plusValue.empty()) {
        if (plusValue.front() != ' ') {
            plusValue += ' ';
        }
        result += plusValue;
    }
    return result;
}
