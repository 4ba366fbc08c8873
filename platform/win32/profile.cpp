#include "platform/profile.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::uint32_t readProfileString(const std::string& file, const std::string& section, const std::string& key,
                                const std::string& defaultValue, char* buffer, std::uint32_t size)
{
    return GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer, size,
                                    file.c_str());
}

bool writeProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value)
{
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

}  // namespace platform
