// Reading the configuration keys into the context.
#pragma once

struct LauncherContext;

// True when every key has been read; false (with its message printed) when
// the launch cannot go on.
bool readConfiguration(LauncherContext& context);

// Makes the launcher's folder the current directory. Never fails the launch.
void applyWorkingDirOverride(LauncherContext& context);
