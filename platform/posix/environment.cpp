#include "platform/environment.h"

#include <cstdlib>

namespace platform {

std::string environmentVariable(const std::string& name)
{
    const char* value = std::getenv(name.c_str());
    return value ? std::string(value) : std::string();
}

bool setEnvironmentVariable(const std::string& name, const std::string& value)
{
    return setenv(name.c_str(), value.c_str(), 1) == 0;
}

bool removeEnvironmentVariable(const std::string& name)
{
    return unsetenv(name.c_str()) == 0;
}

}  // namespace platform
