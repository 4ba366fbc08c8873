#include "platform/files.h"

#include "platform/win32/windows_api.h"

namespace platform {

bool findFirstMatches(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return true;
}

bool createDirectory(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

std::string currentDirectory()
{
    DWORD needed = GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) {
        return std::string();
    }
    std::string directory(needed, '\0');
    DWORD length = GetCurrentDirectoryA(needed, directory.data());
    if (length == 0 || length >= needed) {
        return std::string();
    }
    directory.resize(length);
    return directory;
}

bool setCurrentDirectory(const std::string& path)
{
    return SetCurrentDirectoryA(path.c_str()) != 0;
}

}  // namespace platform
