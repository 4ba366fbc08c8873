#include "platform/java_home_layout.h"

namespace platform {

const char* vmLibraryPath(VmKind kind)
{
    switch (kind) {
    case VmKind::server:
        return "lib/server/libjvm.so";
    case VmKind::client:
        return "lib/client/libjvm.so";
    case VmKind::classic:
        return "lib/classic/libjvm.so";
    case VmKind::hotspot:
        return "lib/hotspot/libjvm.so";
    case VmKind::jrockit:
        return "lib/jrockit/libjvm.so";
    }
    return "";
}

const char* javaHomeMarker()
{
    return "lib/libjava.so";
}

}  // namespace platform
