// Whole files in and out, for the packer.
#pragma once

#include <string>

#include "tools/little_endian.h"

namespace packer {

// The file's bytes. False when it cannot be opened or read (a folder, for
// one); `bytes` is then untouched.
bool readWholeFile(const std::string& path, Bytes& bytes);

// Writes `bytes` to a new file beside `path` and moves it into place, so
// that `path` holds its old content or the new, never a part; the new file
// gets the permissions of `permissionsModel`. False when that fails; the
// partial file is then removed.
bool writeFileInPlace(const std::string& path, const Bytes& bytes, const std::string& permissionsModel);

}  // namespace packer
