#include "platform/java_home_layout.h"

namespace platform {

const char* vmLibraryPath(VmKind kind)
{
    switch (kind) {
    case VmKind::server:
        return "bin\\server\\jvm.dll";
    case VmKind::client:
        return "bin\\client\\jvm.dll";
    case VmKind::classic:
        return "bin\\classic\\jvm.dll";
    case VmKind::hotspot:
        return "bin\\hotspot\\jvm.dll";
    case VmKind::jrockit:
        return "bin\\jrockit\\jvm.dll";
    }
    return "";
}

const char* javaHomeMarker()
{
    return "bin\\java.dll";
}

}  // namespace platform
