#include "tools/embedded_configuration.h"

#include "platform/cipher.h"
#include "platform/text_conversion.h"
#include "tools/ini_text.h"

namespace packer {

namespace {

// Random code units, which is what a wrong key gives, soon hit a control
// character or a lone surrogate; a configuration text has neither.
bool looksLikeText(const std::u16string& text)
{
    for (std::size_t n = 0; n < text.size(); ++n) {
        char16_t unit = text[n];
        bool control = unit < 0x20 && unit != u'\t' && unit != u'\r' && unit != u'\n';
        bool high = unit >= 0xD800 && unit <= 0xDBFF;
        bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (control || unit == 0xFFFE || unit == 0xFFFF || low) {
            return false;
        }
        if (high) {
            if (n + 1 == text.size() || text[n + 1] < 0xDC00 || text[n + 1] > 0xDFFF) {
                return false;
            }
            ++n;
        }
    }
    return true;
}

}  // namespace

bool encipherConfiguration(const std::u16string& iniText, const std::string& upgradeCode, const std::string& passPhrase,
                           EncipheredConfiguration& enciphered, std::string& error)
{
    if (upgradeCode.empty()) {
        error = "the Upgrade Code must not be empty";
        return false;
    }
    if (passPhrase.empty()) {
        error = "the pass phrase must not be empty";
        return false;
    }
    // The launcher keys the text with the pass phrase that it deciphered and
    // converted back to the ANSI code page: key it with that same form.
    std::u16string widePassPhrase = platform::utf16FromNarrow(passPhrase);
    std::string keyOfText = platform::narrowFromUtf16(widePassPhrase);
    EncipheredConfiguration result{utf16LittleEndian(iniText), utf16LittleEndian(widePassPhrase)};
    if (!platform::rc4WithDerivedKey(keyOfText, result.configuration) ||
        !platform::rc4WithDerivedKey(upgradeCode, result.passPhrase)) {
        error = "the system's cipher is not available";
        return false;
    }
    enciphered = std::move(result);
    return true;
}

bool decipherConfiguration(const EncipheredConfiguration& enciphered, const std::string& upgradeCode,
                           std::u16string& iniText, std::string& error)
{
    Bytes passPhrase = enciphered.passPhrase;
    if (!platform::rc4WithDerivedKey(upgradeCode, passPhrase)) {
        error = "the system's cipher is not available";
        return false;
    }
    std::u16string widePassPhrase = textFromUtf16LittleEndian(passPhrase);
    Bytes configuration = enciphered.configuration;
    if (!platform::rc4WithDerivedKey(platform::narrowFromUtf16(widePassPhrase), configuration)) {
        error = "the system's cipher is not available";
        return false;
    }
    std::u16string text = textFromUtf16LittleEndian(configuration);
    if (!looksLikeText(widePassPhrase) || !looksLikeText(text)) {
        error = "the embedded configuration does not decipher to text with this Upgrade Code";
        return false;
    }
    iniText = std::move(text);
    return true;
}

}  // namespace packer
