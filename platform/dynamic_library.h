// Libraries loaded into the process at run time. A loaded library stays for
// the life of the process: nothing here unloads it.
#pragma once

#include <string>

namespace platform {

using LibraryFunction = void (*)();

// Loads the library at `path` (used as given; the system's search rules
// apply to its own dependencies). Null on failure, with the reason in
// lastErrorCode().
void* loadLibrary(const std::string& path);

// The library's export `name`; null when it has none, with the reason in
// lastErrorCode().
LibraryFunction librarySymbol(void* library, const char* name);

}  // namespace platform
