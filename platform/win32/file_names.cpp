#include "platform/file_names.h"

#include "platform/environment.h"

namespace platform {

char pathSeparator()
{
    return '\\';
}

bool configFilePathBeside(const std::string& launcherPath, std::string& configPath)
{
    // The last "." of the whole path, so that a launcher without extension in
    // a dotted folder still names a file (C:\My.Apps\tool gives C:\My.ini).
    std::string::size_type dot = launcherPath.rfind('.');
    if (dot == std::string::npos) {
        return false;
    }
    configPath = launcherPath.substr(0, dot + 1) + "ini";
    return true;
}

std::string userConfigRoot()
{
    return environmentVariable("APPDATA");
}

}  // namespace platform
