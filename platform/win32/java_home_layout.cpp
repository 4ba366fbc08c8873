#include "platform/java_home_layout.h"

namespace platform {

const std::vector<VmLibraryCandidate>& vmLibraryCandidates()
{
    static const std::vector<VmLibraryCandidate> candidates = {
        {VmKind::server, "bin\\server\\jvm.dll"},   {VmKind::client, "bin\\client\\jvm.dll"},
        {VmKind::classic, "bin\\classic\\jvm.dll"}, {VmKind::hotspot, "bin\\hotspot\\jvm.dll"},
        {VmKind::jrockit, "bin\\jrockit\\jvm.dll"},
    };
    return candidates;
}

const char* javaHomeMarker()
{
    return "bin\\java.dll";
}

}  // namespace platform
