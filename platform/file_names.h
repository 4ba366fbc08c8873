// The rules by which the launcher names its configuration files. They follow
// the system's conventions for executable and folder names.
#pragma once

#include <string>

namespace platform {

// The separator between the components of a path.
char pathSeparator();

// The configuration file that lies beside the executable `launcherPath`.
// False when the rule cannot name one; `configPath` is then untouched.
bool configFilePathBeside(const std::string& launcherPath, std::string& configPath);

// The folder under which per-user configuration files live; empty when the
// environment does not say.
std::string userConfigRoot();

}  // namespace platform
