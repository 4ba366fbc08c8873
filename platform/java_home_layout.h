// Where a Java runtime keeps its VM libraries and the file that marks a
// folder as a Java home, relative to the home, in this system's spelling.
#pragma once

#include <string>
#include <vector>

namespace platform {

enum class VmKind { server, client, classic, hotspot, jrockit };

struct VmLibraryCandidate {
    VmKind kind;
    const char* relativePath;
};

// The five VM libraries a home may hold, server first.
const std::vector<VmLibraryCandidate>& vmLibraryCandidates();

// The file whose presence makes a folder a Java home.
const char* javaHomeMarker();

}  // namespace platform
