#include "platform/dynamic_library.h"

#include <cerrno>
#include <dlfcn.h>
#include <unistd.h>

namespace platform {

// dlopen and dlsym give their reasons only as text, while callers show a
// number: a file that cannot be reached keeps the errno of that, a file
// that is there but does not load is ENOEXEC, a missing export ENOENT.
void* loadLibrary(const std::string& path)
{
    // Resolved at once and visible to what it loads later, as the system
    // loader treats a library and its own dependencies.
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (library == nullptr && access(path.c_str(), R_OK) == 0) {
        errno = ENOEXEC;
    }
    return library;
}

LibraryFunction librarySymbol(void* library, const char* name)
{
    dlerror();
    void* address = dlsym(library, name);
    if (address == nullptr) {
        errno = ENOENT;
        return nullptr;
    }
    return reinterpret_cast<LibraryFunction>(address);
}

}  // namespace platform
