// The launcher's own argument-splitting rule: only blanks separate, a quote
// opens an argument only as its first byte, and there are no escapes.
#pragma once

#include <string>

#include "launch/string_list.h"

struct LauncherContext;

// Appends the pieces of `text` to `list` (which is not cleared first).
void splitArguments(const std::string& text, StringList& list);

// Appends the arguments of a whole command line to `list`: white space
// trimmed from both ends, split, and the program name removed.
void parseCommandLineText(const std::string& commandLine, StringList& list);

// Fills the context's `arguments` with the process's arguments after the
// program name. Where the system has already split them, they are taken as
// they stand.
void parseCommandLine(LauncherContext& context);
