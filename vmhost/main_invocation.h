// Calling the main class's static main(String[]) on the VM thread.
#pragma once

struct LauncherContext;

// Finds the main class and its main, calls it with the launcher's
// arguments, and detaches the thread from the VM. True when main was called
// and the detach succeeded, whether or not main threw; false (its message or
// the exception's description printed) when main could not be called.
bool invokeMain(LauncherContext& context);
