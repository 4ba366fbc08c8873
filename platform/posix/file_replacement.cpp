#include "platform/file_replacement.h"

#include <cstdio>
#include <sys/stat.h>

namespace platform {

bool replaceFile(const std::string& source, const std::string& target)
{
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool copyFilePermissions(const std::string& model, const std::string& target)
{
    struct stat status;
    if (stat(model.c_str(), &status) != 0) {
        return false;
    }
    return chmod(target.c_str(), status.st_mode & 07777) == 0;
}

}  // namespace platform
