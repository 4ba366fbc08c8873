// Which VM library of a Java home to load, by the configured VM type.
#pragma once

#include <string>

// VM types of "JVM Type".
constexpr int kVmTypeDefault = 0;
constexpr int kVmTypeServerOnly = 1;
constexpr int kVmTypeServerPreferred = 2;

// True when a search for exactly `path` finds a file or folder.
bool pathExists(const std::string& path);

// True when `folder` (a Java home: empty or ending with a separator) holds
// the Java home marker, whether or not it holds a VM library.
bool isJavaHome(const std::string& folder);

// `path` with a final separator, unless it is empty or has one.
std::string asJavaHome(const std::string& path);

// The VM library of `home` for `vmType`, or empty when none fits. When one
// is found, `isServerVm` says whether it is the server VM; otherwise it is
// left as the caller set it.
std::string probeJavaHome(const std::string& home, int vmType, bool& isServerVm);
std::string probeJavaHome(const std::string& home, int vmType);
