// Creating the Java VM on the VM thread.
#pragma once

#include <string>

#include "vmhost/jni.h"

struct LauncherContext;

// Creates the VM from `vmOptions` and redirects the standard streams that
// the configuration names. False (message printed) when the VM cannot be made.
bool createVm(LauncherContext& context);

// The reason shown for a creation result; empty for one the interface does not define.
std::string creationFailureReason(jni::jint result);
