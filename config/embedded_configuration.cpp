#include "config/embedded_configuration.h"

#include <vector>

#include "launch/launcher_context.h"
#include "platform/cipher.h"
#include "platform/raw_resource.h"
#include "platform/text_conversion.h"

std::u16string DecipherResource(std::uint16_t id, const std::string& keyMaterial)
{
    std::vector<std::uint8_t> buffer;
    if (!platform::loadRawResource(id, buffer)) {
        return std::u16string();
    }
    if (!platform::rc4WithDerivedKey(keyMaterial, buffer)) {
        return std::u16string();
    }
    // Little-endian code units; an odd last byte forms none.
    std::u16string text(buffer.size() / 2, u'\0');
    for (std::size_t unit = 0; unit < text.size(); ++unit) {
        text[unit] = static_cast<char16_t>(buffer[2 * unit] | (buffer[2 * unit + 1] << 8));
    }
    return text;
}

std::string LoadEmbeddedConfiguration(const LauncherContext& context)
{
    const std::string upgradeCode = context.upgradeCode;
    std::string passPhrase = platform::narrowFromUtf16(DecipherResource(kPassPhraseResource, upgradeCode));
    std::u16string text = DecipherResource(kEmbeddedTextResource, passPhrase);
    if (text.empty()) {
        return std::string();
    }
    return platform::narrowFromUtf16(text);
}
