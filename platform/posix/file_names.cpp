#include "platform/file_names.h"

#include "platform/environment.h"

namespace platform {

char pathSeparator()
{
    return '/';
}

bool configFilePathBeside(const std::string& launcherPath, std::string& configPath)
{
    // Executables here seldom have an extension: replace the file name's own
    // extension when it has one, append otherwise, and never look for a dot
    // in the folders above it.
    std::string::size_type nameStart = launcherPath.rfind('/');
    nameStart = (nameStart == std::string::npos) ? 0 : nameStart + 1;
    std::string::size_type dot = launcherPath.rfind('.');
    if (dot == std::string::npos || dot < nameStart) {
        configPath = launcherPath + ".ini";
    } else {
        configPath = launcherPath.substr(0, dot) + ".ini";
    }
    return true;
}

std::string userConfigRoot()
{
    std::string root = environmentVariable("XDG_CONFIG_HOME");
    if (!root.empty()) {
        return root;
    }
    std::string home = environmentVariable("HOME");
    if (home.empty()) {
        return std::string();
    }
    return home + "/.config";
}

}  // namespace platform
