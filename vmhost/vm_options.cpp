#include "vmhost/vm_options.h"

#include "launch/launcher_context.h"

bool assembleVmOptions(LauncherContext&)
{
    // No class path is read yet, so none is configured.
    return false;
}
