#include "vmhost/vm_environment.h"

#include "launch/launcher_context.h"

void prepareEnvironment(LauncherContext&)
{
    // Nothing is configured yet that the environment would carry.
}
