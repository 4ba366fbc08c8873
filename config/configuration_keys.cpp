#include "config/configuration_keys.h"

#include "launch/launcher_context.h"

bool readConfiguration(LauncherContext&)
{
    // No key is read yet: the context keeps its initial values.
    return true;
}

void applyWorkingDirOverride(LauncherContext&)
{
    // The override is not read yet, so it is never in force.
}
