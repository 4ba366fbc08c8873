// The environment that the Java program starts in.
#pragma once

struct LauncherContext;

// Sets the launcher's environment variables and the search path, and adds
// the library-path option.
void prepareEnvironment(LauncherContext& context);
