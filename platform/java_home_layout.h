// Where a Java runtime keeps its VM libraries and the file that marks a
// folder as a Java home, relative to the home, in this system's spelling.
#pragma once

namespace platform {

enum class VmKind { server, client, classic, hotspot, jrockit };

// The VM library of `kind`, relative to the home.
const char* vmLibraryPath(VmKind kind);

// The file whose presence makes a folder a Java home.
const char* javaHomeMarker();

}  // namespace platform
