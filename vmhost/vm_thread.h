// The thread that creates the Java VM and runs the main class's main.
#pragma once

struct LauncherContext;

// Runs the VM thread and waits for it: 0 when main was called and the thread
// detached, non-zero otherwise.
int runVmThread(LauncherContext& context);
