// Asking the user for a Java runtime when the search found none.
#pragma once

struct LauncherContext;

// True when the user chose a runtime: `jvmLibraryPath` is then set and the
// choice saved as "JRE Path". False when the user cancelled or the question
// could not be asked.
bool askForMissingRuntime(LauncherContext& context);
