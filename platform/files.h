// Files and folders.
#pragma once

#include <string>

namespace platform {

// True when a search for the exact path finds an entry (file or folder).
bool findFirstMatches(const std::string& path);

// Creates one folder with default permissions. False when it cannot be
// created, including when it exists already.
bool createDirectory(const std::string& path);

// The current directory of the process; empty when it cannot be read.
std::string currentDirectory();

bool setCurrentDirectory(const std::string& path);

}  // namespace platform
