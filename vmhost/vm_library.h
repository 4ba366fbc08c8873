// Loading the chosen VM library and finding its invocation functions.
#pragma once

struct LauncherContext;

// True when the library is loaded and both exports were found; false (with
// its message printed) otherwise.
bool loadVmLibrary(LauncherContext& context);
