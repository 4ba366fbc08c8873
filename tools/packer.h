// The packer's two jobs on files: writing an enciphered configuration into
// a copy of a launcher, and showing the configuration a launcher carries.
#pragma once

#include <string>

namespace packer {

struct PackRequest {
    std::string launcher;
    std::string iniFile;
    std::string upgradeCode;
    std::string passPhrase;
    std::string output;
};

// Writes `output` as a copy of the launcher that carries the INI file's text
// as its embedded configuration. `output` may name the launcher itself.
// False, with one line's reason in `error`, on any failure; the launcher
// and any existing `output` are then as they were.
bool packLauncher(const PackRequest& request, std::string& error);

// The embedded INI text of a packed launcher, as the launcher deciphers it
// with `upgradeCode`. False, with one line's reason in `error`, when the
// launcher carries none or it does not decipher; `iniText` is then
// untouched.
bool showConfiguration(const std::string& launcher, const std::string& upgradeCode, std::u16string& iniText,
                       std::string& error);

}  // namespace packer
