#include "support/registry_writer.h"

#include "platform/win32/windows_api.h"

// Keys written with the system's own functions, so that the reading side
// meets them as an installer would leave them.
struct TestRegistry::Store {
    bool created = false;
};

namespace {

std::string below(const std::string& root, const std::string& path)
{
    return path.empty() ? root : root + "\\" + path;
}

}  // namespace

TestRegistry::TestRegistry() : root_("Software\\TarnTest\\" + uniqueTestKeyName()), store_(std::make_unique<Store>())
{
    store_->created = createKey("");
}

TestRegistry::TestRegistry(std::string root) : root_(std::move(root)), store_(std::make_unique<Store>())
{
    HKEY existing = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, root_.c_str(), 0, KEY_READ, &existing) == ERROR_SUCCESS) {
        RegCloseKey(existing);
        return;
    }
    store_->created = createKey("");
}

TestRegistry::~TestRegistry()
{
    if (!store_->created) {
        return;
    }
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, root_.c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, root_.c_str());
    // Fails, as it should, while another run's branch is still there.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\TarnTest");
}

bool TestRegistry::ready() const
{
    return store_->created;
}

bool TestRegistry::createKey(const std::string& path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, below(root_, path).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

bool TestRegistry::setString(const std::string& path, const std::string& name, const std::string& text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, below(root_, path).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    // A string value's data ends with its terminator.
    LONG result = RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
