// Reading the system registry's machine-wide keys, where installed Java
// runtimes announce themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/scoped_handle.h"

namespace platform {

struct RegistryKeyTraits {
    using Handle = void*;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept;
};

using RegistryKey = ScopedHandle<RegistryKeyTraits>;

// Opens `path` (backslash-separated, such as
// "Software\JavaSoft\Java Runtime Environment\1.6.0_10") under the machine's
// root for reading, in the process's own view. Empty when it cannot be opened.
RegistryKey openLocalMachineKey(const std::string& path);

// The name of direct subkey `index` of `key`, in the order the system
// enumerates them (sorted by name without regard to letter case). False past
// the last one, or on failure; `name` is then untouched.
bool subkeyName(const RegistryKey& key, std::uint32_t index, std::string& name);

// The data of value `name` of `key`, as the system stores it (a string value
// ends with its NUL). False when the value is missing, has no data or cannot
// be read; `data` is then untouched.
bool readValueData(const RegistryKey& key, const std::string& name, std::vector<std::uint8_t>& data);

}  // namespace platform
