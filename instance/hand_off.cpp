#include "instance/hand_off.h"

#include "launch/launcher_context.h"

int waitForReply(LauncherContext&)
{
    // No second start exists yet, so there is no primary to answer.
    return -1;
}

void stopListener(LauncherContext&)
{
    // No listener or shared block is created yet.
}
