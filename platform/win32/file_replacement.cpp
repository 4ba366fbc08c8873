#include "platform/file_replacement.h"

#include "platform/win32/windows_api.h"

namespace platform {

bool replaceFile(const std::string& source, const std::string& target)
{
    // Within one folder this is a rename, which the file system does in one
    // step; write-through so that the new name is on disk when we return.
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool copyFilePermissions(const std::string& model, const std::string& target)
{
    // A new file takes its access rights from its folder, and any file may be
    // run: there is nothing to carry over. Only the model must exist.
    (void)target;
    return GetFileAttributesA(model.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace platform
