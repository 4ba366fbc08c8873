#include "vmhost/vm_library.h"

#include "launch/launcher_context.h"

bool loadVmLibrary(LauncherContext&)
{
    // No library is loaded yet.
    return false;
}
