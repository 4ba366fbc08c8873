// The two phases of a launch.
#pragma once

struct LauncherContext;

// Arguments, single-instance check, configuration and runtime search. True
// when the launch may go on.
bool prepareLaunch(LauncherContext& context);

// A second start's wait, or environment, VM library, VM options and the VM
// thread. Returns the exit code of the launch.
int runLaunch(LauncherContext& context);
