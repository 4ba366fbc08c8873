// Sending the Java program's standard streams to files.
#pragma once

#include <string>

struct LauncherContext;

enum class StandardStream { output, error };

// Installs a print stream over a new file `name` (created, or emptied when
// it exists) as System.out or System.err. True when it is installed; on
// false the stream stays as it was and an exception may be pending.
bool redirectStream(LauncherContext& context, const std::string& name, StandardStream stream);
