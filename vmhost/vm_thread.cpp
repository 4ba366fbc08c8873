#include "vmhost/vm_thread.h"

#include "launch/launcher_context.h"

int runVmThread(LauncherContext&)
{
    // No VM is created yet.
    return 1;
}
