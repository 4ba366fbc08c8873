// The running process: how it was started and where its executable lies.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The process command line as the system holds it, in the ANSI code page.
// Empty on systems that keep no single command line.
std::string processCommandLine();

// True when the system has already split the command line into an argument
// vector (program name first); `arguments` then receives it, every element
// unchanged, empty ones included. False where only a command line exists;
// `arguments` is left untouched.
bool systemArgumentVector(std::vector<std::string>& arguments);

// Full path of the running executable. False on failure, with the reason in
// lastErrorCode() and `path` untouched.
bool executablePath(std::string& path);

}  // namespace platform
