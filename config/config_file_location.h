// Where the launcher lies, where its configuration file lies beside it, and
// where the per-user file that may hold "JRE Path" lies.
#pragma once

#include <string>

struct LauncherContext;

// The launcher's own full path. On failure prints message 202 with 208 and
// the last error, and returns false.
bool getModulePath(std::string& path);

// The configuration file beside the launcher. False when the module path
// fails (its message printed) or no file name can be formed (nothing printed).
bool getConfigFilePath(const LauncherContext& context, std::string& path);

// The per-user configuration file; its two folders are created first when
// `createFolders` is set. Empty when the module path fails (message printed).
std::string getUserConfigFilePath(const LauncherContext& context, bool createFolders);

// The per-user file name for a launcher: its file name without extension, with ".ini".
std::string userConfigFileName(const std::string& launcherPath);

// The product name without the characters that folder names cannot hold.
std::string productFolderName(const std::string& productName);

bool isNtPlatform();

// True when "JRE Path" lives in the per-user file: an NT-family system, not
// a service.
bool userFileInForce(const LauncherContext& context);

// The existence test for the per-user file: a search for the exact path; a
// path of 260 characters or more counts as absent.
bool userConfigFileExists(const std::string& path);
