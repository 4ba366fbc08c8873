#include "config/config_file_location.h"

#include "launch/launcher_context.h"
#include "launch/messages.h"
#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/last_error.h"
#include "platform/os_version.h"
#include "platform/process.h"

namespace {

constexpr std::size_t kMaxPath = 260;

// Characters that a folder name cannot hold.
constexpr char kFolderNameForbidden[] = "\\?\"|><:/*";

}  // namespace

bool getModulePath(std::string& path)
{
    if (!platform::executablePath(path)) {
        // Taken first: loading the message text may change the last error.
        std::uint32_t error = platform::lastErrorCode();
        printError(formatMessage(msgWindowsException, loadMessage(msgModulePathFailed), error));
        return false;
    }
    return true;
}

bool getConfigFilePath(const LauncherContext&, std::string& path)
{
    std::string launcherPath;
    if (!getModulePath(launcherPath)) {
        return false;
    }
    return platform::configFilePathBeside(launcherPath, path);
}

std::string userConfigFileName(const std::string& launcherPath)
{
    std::string::size_type separator = launcherPath.rfind(platform::pathSeparator());
    std::string name = (separator == std::string::npos) ? launcherPath : launcherPath.substr(separator + 1);
    std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return name + ".ini";
}

std::string productFolderName(const std::string& productName)
{
    std::string folder;
    for (char byte : productName) {
        if (std::string_view(kFolderNameForbidden).find(byte) == std::string_view::npos) {
            folder += byte;
        }
    }
    return folder;
}

std::string getUserConfigFilePath(const LauncherContext& context, bool createFolders)
{
    std::string launcherPath;
    if (!getModulePath(launcherPath)) {
        return std::string();
    }
    const char separator = platform::pathSeparator();
    // Folder creation fails for folders that exist already; that is fine.
    std::string path = platform::userConfigRoot();
    path += separator;
    path += productFolderName(context.productName);
    if (createFolders) {
        platform::createDirectory(path);
    }
    path += separator;
    path += context.productCode;
    if (createFolders) {
        platform::createDirectory(path);
    }
    path += separator;
    path += userConfigFileName(launcherPath);
    return path;
}

bool isNtPlatform()
{
    return platform::isNtFamily();
}

bool userFileInForce(const LauncherContext& context)
{
    return isNtPlatform() && !context.isService;
}

bool userConfigFileExists(const std::string& path)
{
    return path.size() < kMaxPath && platform::findFirstMatches(path);
}
