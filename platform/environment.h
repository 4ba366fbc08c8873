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

// `text` with each %NAME% reference replaced by the variable's value, as
// the system expands them; a reference to a variable that is not set stays
// as written. False when the system cannot expand it; `expanded` is then
// untouched.
bool expandEnvironmentReferences(const std::string& text, std::string& expanded);

// The variable that holds the search path for programs and libraries
// ("Path" on Windows), and the separator between its entries.
const char* searchPathVariable();
char searchPathSeparator();

}  // namespace platform
