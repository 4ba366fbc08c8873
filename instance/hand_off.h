// The hand-off between a second start and the primary instance.
#pragma once

struct LauncherContext;

// A second start's wait for the primary's answer; returns its exit code.
int waitForReply(LauncherContext& context);

// The single-instance share of the teardown: ends the listener and releases
// the shared block.
void stopListener(LauncherContext& context);
