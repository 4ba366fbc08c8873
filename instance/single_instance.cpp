#include "instance/single_instance.h"

#include "launch/launcher_context.h"

bool setUpSingleInstance(LauncherContext&)
{
    // Single-instance mode is not offered yet: every start is an ordinary one.
    return true;
}
