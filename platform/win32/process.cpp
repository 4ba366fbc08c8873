#include "platform/process.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::string processCommandLine()
{
    const char* line = GetCommandLineA();
    return line ? std::string(line) : std::string();
}

bool systemArgumentVector(std::vector<std::string>&)
{
    // Windows hands a process one command line; splitting it is ours to do.
    return false;
}

bool executablePath(std::string& path)
{
    // MAX_PATH first, as nearly every path fits; grow for longer ones, which
    // GetModuleFileNameA reports by filling the whole buffer.
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return false;
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            path = std::move(buffer);
            return true;
        }
        if (buffer.size() >= 32768) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return false;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}

}  // namespace platform
