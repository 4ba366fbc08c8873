#include "discovery/runtime_search.h"

#include "config/config_file_location.h"
#include "discovery/java_home.h"
#include "discovery/registry_search.h"
#include "launch/launcher_context.h"
#include "platform/file_names.h"

bool runtimeBesideLauncher(const LauncherContext&, std::string& javaHome)
{
    std::string launcherPath;
    if (!getModulePath(launcherPath)) {
        return false;
    }
    std::string folder = launcherPath.substr(0, launcherPath.rfind(platform::pathSeparator()) + 1);
    std::string jre = folder + "jre" + platform::pathSeparator();
    if (isJavaHome(folder)) {
        javaHome = folder;
    } else if (isJavaHome(jre)) {
        javaHome = jre;
    } else {
        javaHome.clear();
    }
    return true;
}

bool locateRuntime(LauncherContext& context)
{
    // Version, kind and vendor limits apply to registered runtimes only.
    if (!context.configuredJrePath.empty()) {
        context.jvmLibraryPath = probeJavaHome(asJavaHome(context.configuredJrePath), context.jvmType);
        if (!context.jvmLibraryPath.empty()) {
            return true;
        }
    }
    std::string home;
    if (runtimeBesideLauncher(context, home)) {
        context.jvmLibraryPath = probeJavaHome(home, context.jvmType);
        if (!context.jvmLibraryPath.empty()) {
            return true;
        }
    }
    if (searchRegistry(context, home)) {
        context.jvmLibraryPath = probeJavaHome(home, context.jvmType);
        if (!context.jvmLibraryPath.empty()) {
            return true;
        }
    }
    context.jvmLibraryPath.clear();
    return false;
}
