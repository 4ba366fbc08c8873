// The thread that creates the Java VM and runs the main class's main.
#pragma once

#include <cstdint>

struct LauncherContext;

// Runs the VM thread with a stack of `threadStackSize` bytes (the VM's
// default when 0) and waits for it: 0 when main was called and the thread
// detached, 1 otherwise. When no thread can be started, the same work runs
// on the calling thread.
int runVmThread(LauncherContext& context);

// The VM thread's body: creates the VM, then runs main. 0 or 1 as above.
std::uint32_t vmThreadMain(void* context);

// The stack size the VM library asks for, in bytes; 0 for the system's default.
std::uint32_t defaultStackSize(LauncherContext& context);
