#include "discovery/missing_runtime.h"

#include "launch/launcher_context.h"

bool askForMissingRuntime(LauncherContext&)
{
    // The question cannot be asked yet, which counts as cancelled.
    return false;
}
