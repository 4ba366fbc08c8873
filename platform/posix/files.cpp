#include "platform/files.h"

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool findFirstMatches(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

bool createDirectory(const std::string& path)
{
    return mkdir(path.c_str(), 0777) == 0;
}

std::string currentDirectory()
{
    std::string directory(PATH_MAX, '\0');
    if (getcwd(directory.data(), directory.size()) == nullptr) {
        return std::string();
    }
    directory.resize(directory.find('\0'));
    return directory;
}

bool setCurrentDirectory(const std::string& path)
{
    return chdir(path.c_str()) == 0;
}

}  // namespace platform
