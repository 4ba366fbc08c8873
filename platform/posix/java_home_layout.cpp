#include "platform/java_home_layout.h"

namespace platform {

const std::vector<VmLibraryCandidate>& vmLibraryCandidates()
{
    static const std::vector<VmLibraryCandidate> candidates = {
        {VmKind::server, "lib/server/libjvm.so"},   {VmKind::client, "lib/client/libjvm.so"},
        {VmKind::classic, "lib/classic/libjvm.so"}, {VmKind::hotspot, "lib/hotspot/libjvm.so"},
        {VmKind::jrockit, "lib/jrockit/libjvm.so"},
    };
    return candidates;
}

const char* javaHomeMarker()
{
    return "lib/libjava.so";
}

}  // namespace platform
