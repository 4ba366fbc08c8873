#include "discovery/runtime_search.h"

#include "launch/launcher_context.h"

bool locateRuntime(LauncherContext& context)
{
    // No place is searched yet, so no runtime is found.
    context.jvmLibraryPath.clear();
    return false;
}
