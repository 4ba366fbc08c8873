// The two enciphered resources that carry a launcher's embedded
// configuration: the INI text as UTF-16LE enciphered with a pass phrase,
// and the pass phrase as UTF-16LE enciphered with the product's Upgrade
// Code. Key material is the narrow form of a string, without terminator.
#pragma once

#include <cstdint>
#include <string>

#include "tools/little_endian.h"

namespace packer {

constexpr std::uint16_t kConfigurationResource = 8000;
constexpr std::uint16_t kPassPhraseResource = 9000;

struct EncipheredConfiguration {
    Bytes configuration;  // resource 8000
    Bytes passPhrase;     // resource 9000
};

// False, with the reason in `error`, for an empty Upgrade Code (the
// launcher then never looks at the resources), an empty pass phrase, or a
// cipher that fails; `enciphered` is then untouched.
bool encipherConfiguration(const std::u16string& iniText, const std::string& upgradeCode, const std::string& passPhrase,
                           EncipheredConfiguration& enciphered, std::string& error);

// The INI text as the launcher deciphers it. False, with the reason in
// `error`, when the result is no text, which is what a wrong Upgrade Code
// gives; `iniText` is then untouched.
bool decipherConfiguration(const EncipheredConfiguration& enciphered, const std::string& upgradeCode,
                           std::u16string& iniText, std::string& error);

}  // namespace packer
