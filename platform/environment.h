// Environment variables of the process, in the ANSI code page.
#pragma once

#include <string>

namespace platform {

// The value of the variable; empty when it is unset.
std::string environmentVariable(const std::string& name);

// Sets the variable for this process and the processes it starts.
bool setEnvironmentVariable(const std::string& name, const std::string& value);

// Removes the variable from the process's environment.
bool removeEnvironmentVariable(const std::string& name);

}  // namespace platform
