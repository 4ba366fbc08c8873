#include "platform/registry.h"

#include <utility>

#include "platform/win32/windows_api.h"

namespace platform {

namespace {

HKEY keyOf(const RegistryKey& key)
{
    return static_cast<HKEY>(key.get());
}

}  // namespace

void RegistryKeyTraits::close(Handle handle) noexcept
{
    DWORD saved = GetLastError();
    RegCloseKey(static_cast<HKEY>(handle));
    SetLastError(saved);
}

RegistryKey openLocalMachineKey(const std::string& path)
{
    HKEY key = nullptr;
    // No view flag: a 32-bit launcher reads the 32-bit view, where a 32-bit
    // runtime it can load registers itself.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return RegistryKey();
    }
    return RegistryKey(key);
}

bool subkeyName(const RegistryKey& key, std::uint32_t index, std::string& name)
{
    char buffer[260];
    DWORD length = sizeof buffer;
    if (RegEnumKeyExA(keyOf(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    name.assign(buffer, length);
    return true;
}

bool readValueData(const RegistryKey& key, const std::string& name, std::vector<std::uint8_t>& data)
{
    DWORD size = 0;
    if (RegQueryValueExA(keyOf(key), name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS || size == 0) {
        return false;
    }
    std::vector<std::uint8_t> buffer(size);
    if (RegQueryValueExA(keyOf(key), name.c_str(), nullptr, nullptr, buffer.data(), &size) != ERROR_SUCCESS) {
        return false;
    }
    // The value can shrink between the two calls; keep only what was read.
    buffer.resize(size);
    data = std::move(buffer);
    return true;
}

}  // namespace platform
