// Reading the configuration keys into the context.
#pragma once

#include <string>

struct LauncherContext;

// Reads every key into the context. False when the configuration file cannot
// be named (nothing printed) or "Main Class" is empty (message 210 printed).
bool readConfiguration(LauncherContext& context);

// Makes the launcher's folder the current directory. Never fails the launch.
void applyWorkingDirOverride(LauncherContext& context);

// The flags of "JVM Source" (allowJdk, allowJre, favorSource), compared exactly.
void applyJvmSource(LauncherContext& context, const std::string& value);

// The flags of "VM Provider", compared without regard to letter case; a
// value in no row changes nothing.
void applyVmProvider(LauncherContext& context, const std::string& value);

// The main class with every "." replaced by "/".
std::string slashSeparatedClassName(const std::string& className);
