#include "discovery/java_home.h"

#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/java_home_layout.h"

bool pathExists(const std::string& path)
{
    return platform::findFirstMatches(path);
}

bool isJavaHome(const std::string& folder)
{
    return pathExists(folder + platform::javaHomeMarker());
}

std::string asJavaHome(const std::string& path)
{
    if (path.empty() || path.back() == platform::pathSeparator()) {
        return path;
    }
    return path + platform::pathSeparator();
}

std::string probeJavaHome(const std::string& home, int vmType, bool& isServerVm)
{
    using platform::VmKind;
    const std::string server = home + platform::vmLibraryPath(VmKind::server);
    if (vmType == kVmTypeServerOnly || vmType == kVmTypeServerPreferred) {
        if (pathExists(server)) {
            isServerVm = true;
            return server;
        }
        if (vmType == kVmTypeServerOnly) {
            return std::string();
        }
    }
    // The default order takes a server VM only from a home without another.
    for (VmKind kind : {VmKind::client, VmKind::classic, VmKind::hotspot, VmKind::server, VmKind::jrockit}) {
        std::string library = home + platform::vmLibraryPath(kind);
        if (pathExists(library)) {
            isServerVm = kind == VmKind::server;
            return library;
        }
    }
    return std::string();
}

std::string probeJavaHome(const std::string& home, int vmType)
{
    bool isServerVm = false;
    return probeJavaHome(home, vmType, isServerVm);
}
