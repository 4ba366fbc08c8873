// The search for a Java runtime's VM library: the configured JRE Path, a
// runtime beside the launcher, then the registered runtimes.
#pragma once

#include <string>

struct LauncherContext;

// True with `jvmLibraryPath` set to the chosen VM library; false with it empty.
bool locateRuntime(LauncherContext& context);

// The Java home beside the launcher: its folder when that is a Java home,
// else its "jre" subfolder when that is one, else the empty home (the
// current directory). False only when the launcher's path is unknown.
bool runtimeBesideLauncher(const LauncherContext& context, std::string& javaHome);
