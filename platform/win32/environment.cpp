#include "platform/environment.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::string environmentVariable(const std::string& name)
{
    std::string value(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        // Too small: length is the size needed, terminator included.
        value.assign(length, '\0');
    }
}

bool setEnvironmentVariable(const std::string& name, const std::string& value)
{
    return SetEnvironmentVariableA(name.c_str(), value.c_str()) != 0;
}

bool removeEnvironmentVariable(const std::string& name)
{
    return SetEnvironmentVariableA(name.c_str(), nullptr) != 0;
}

}  // namespace platform
