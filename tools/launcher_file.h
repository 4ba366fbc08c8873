// The raw-data resources of a launcher executable of either kind: a Windows
// launcher holds them in its resource tree (type RT_RCDATA, language
// neutral), a Linux launcher in a payload appended to the file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/little_endian.h"

namespace packer {

enum class LauncherKind { pe, elf, unknown };

// Told by the file's first bytes: "MZ" or the ELF magic.
LauncherKind launcherKindOf(const Bytes& file);

struct RawResource {
    std::uint16_t id = 0;
    Bytes bytes;
};

// The launcher's language-neutral raw-data resources with numeric ids.
// False, with the reason in `error`, when the file is no launcher of a
// known kind or is damaged; `resources` is then untouched.
bool readRawResources(const Bytes& file, std::vector<RawResource>& resources, std::string& error);

// A copy of the launcher that carries `resources` besides the resources it
// has, each replacing one of the same id. False, with the reason in
// `error`, as for reading; `output` is then untouched.
bool writeRawResources(const Bytes& file, const std::vector<RawResource>& resources, Bytes& output, std::string& error);

}  // namespace packer
