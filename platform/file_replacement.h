// Putting a newly written file in the place of another, so that a reader
// finds either the old file whole or the new one, never a part.
#pragma once

#include <string>

namespace platform {

// Moves `source` to `target`, replacing a file already there. False when
// it cannot; both files are then as they were.
bool replaceFile(const std::string& source, const std::string& target);

// Gives `target` the access permissions of `model`, so that a copy of an
// executable stays executable. False when they cannot be read or set.
bool copyFilePermissions(const std::string& model, const std::string& target);

}  // namespace platform
