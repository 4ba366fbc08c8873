// The search for a Java runtime's VM library.
#pragma once

struct LauncherContext;

// True with `jvmLibraryPath` set to the chosen VM library; false with it empty.
bool locateRuntime(LauncherContext& context);
