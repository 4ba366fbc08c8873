#include "platform/dynamic_library.h"

#include "platform/win32/windows_api.h"

namespace platform {

void* loadLibrary(const std::string& path)
{
    return LoadLibraryA(path.c_str());
}

LibraryFunction librarySymbol(void* library, const char* name)
{
    FARPROC address = GetProcAddress(static_cast<HMODULE>(library), name);
    return reinterpret_cast<LibraryFunction>(address);
}

}  // namespace platform
