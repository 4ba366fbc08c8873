#include "support/registry_writer.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

// The mirror that the posix registry reads: a key is a folder, a string
// value a file holding its text.
struct Mirror {
    TempFolder folder;
    ScopedEnvironmentVariable variable{"TARN_REGISTRY", folder.path()};
};

// Branches alive at the same time share one mirror, as they would share
// the one registry of a machine.
std::shared_ptr<Mirror> sharedMirror()
{
    static std::weak_ptr<Mirror> current;
    std::shared_ptr<Mirror> mirror = current.lock();
    if (!mirror) {
        mirror = std::make_shared<Mirror>();
        current = mirror;
    }
    return mirror;
}

}  // namespace

struct TestRegistry::Store {
    std::shared_ptr<Mirror> mirror = sharedMirror();
    TempFolder& folder = mirror->folder;
};

namespace {

fs::path asFolder(fs::path base, const std::string& path)
{
    std::string::size_type start = 0;
    while (start <= path.size()) {
        std::string::size_type end = path.find('\\', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        if (end > start) {
            base /= path.substr(start, end - start);
        }
        start = end + 1;
    }
    return base;
}

}  // namespace

TestRegistry::TestRegistry() : root_("Software\\TarnTest\\" + uniqueTestKeyName()), store_(std::make_unique<Store>())
{
    createKey("");
}

TestRegistry::TestRegistry(std::string root) : root_(std::move(root)), store_(std::make_unique<Store>())
{
    createKey("");
}

TestRegistry::~TestRegistry() = default;

bool TestRegistry::ready() const
{
    return fs::is_directory(asFolder(fs::path(store_->folder.path()) / "HKEY_LOCAL_MACHINE", root_));
}

bool TestRegistry::createKey(const std::string& path)
{
    std::error_code error;
    fs::path folder = asFolder(asFolder(fs::path(store_->folder.path()) / "HKEY_LOCAL_MACHINE", root_), path);
    fs::create_directories(folder, error);
    return fs::is_directory(folder);
}

bool TestRegistry::setString(const std::string& path, const std::string& name, const std::string& text)
{
    if (!createKey(path)) {
        return false;
    }
    fs::path file = asFolder(asFolder(fs::path(store_->folder.path()) / "HKEY_LOCAL_MACHINE", root_), path) / name;
    std::ofstream out(file, std::ios::binary);
    out << text;
    out.close();
    return out.good();
}
