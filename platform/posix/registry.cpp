#include "platform/registry.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <utility>

#include "platform/environment.h"

// Linux has no registry, so the stand-in answers from one of two places.
// With TARN_REGISTRY naming a folder, that folder mirrors the registry: a key
// is a subfolder of "HKEY_LOCAL_MACHINE", a string value is a file holding
// its text. Without it, the machine's installed Java runtimes (the folders of
// /usr/lib/jvm with a release file) appear where Windows runtimes register.

namespace platform {

namespace {

constexpr char kRuntimeRoot[] = "/usr/lib/jvm";
constexpr char kRuntimeListPath[] = "Software\\JavaSoft\\Java Runtime Environment";

// What an open key stands for: a folder of the mirror, or a key held in
// memory.
struct PosixRegistryKey {
    std::string folder;
    std::vector<std::string> subkeys;
    std::map<std::string, std::string> values;
};

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Registry names compare by their lower-case letters, so "1.6.0_07" comes
// before "1.6.0b", as Wine enumerates them.
int compareNames(const std::string& a, const std::string& b)
{
    std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        unsigned char x = static_cast<unsigned char>(lower(a[i]));
        unsigned char y = static_cast<unsigned char>(lower(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool sameName(const std::string& a, const std::string& b)
{
    return compareNames(a, b) == 0;
}

// The registry's order; of names equal but for letter case (which a folder
// can hold and the registry cannot) only the first stays.
void sortAsRegistry(std::vector<std::string>& names)
{
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        int order = compareNames(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    names.erase(std::unique(names.begin(), names.end(), sameName), names.end());
}

// The components of a key path; false for one that no key can have.
bool splitKeyPath(const std::string& path, std::vector<std::string>& components)
{
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start < path.size()) {
        std::string::size_type end = path.find('\\', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        std::string part = path.substr(start, end - start);
        // "." and ".." would leave the mirror; "/" would make two components.
        if (part.empty() || part == "." || part == ".." || part.find('/') != std::string::npos) {
            return false;
        }
        parts.push_back(std::move(part));
        start = end + 1;
    }
    components = std::move(parts);
    return true;
}

enum class EntryKind { folder, file };

bool isKind(const std::string& path, EntryKind kind)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        return false;
    }
    return kind == EntryKind::folder ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode);
}

// The names of the entries of `folder` of one kind, without "." and "..".
std::vector<std::string> entriesOf(const std::string& folder, EntryKind kind)
{
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(folder.c_str()), closedir);
    if (!listing) {
        return names;
    }
    while (dirent* entry = readdir(listing.get())) {
        std::string name = entry->d_name;
        if (name != "." && name != ".." && isKind(folder + "/" + name, kind)) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

// The entry of `folder` named `name` without regard to letter case, the
// exact spelling first.
bool findEntry(const std::string& folder, const std::string& name, EntryKind kind, std::string& path)
{
    if (isKind(folder + "/" + name, kind)) {
        path = folder + "/" + name;
        return true;
    }
    std::vector<std::string> names = entriesOf(folder, kind);
    std::sort(names.begin(), names.end());
    for (const std::string& candidate : names) {
        if (sameName(candidate, name)) {
            path = folder + "/" + candidate;
            return true;
        }
    }
    return false;
}

bool readFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return false;
    }
    text = std::move(content);
    return true;
}

std::unique_ptr<PosixRegistryKey> openMirrorKey(const std::string& mirror, const std::vector<std::string>& components)
{
    std::string folder;
    if (!findEntry(mirror, "HKEY_LOCAL_MACHINE", EntryKind::folder, folder)) {
        return nullptr;
    }
    for (const std::string& component : components) {
        if (!findEntry(folder, component, EntryKind::folder, folder)) {
            return nullptr;
        }
    }
    auto key = std::make_unique<PosixRegistryKey>();
    key->subkeys = entriesOf(folder, EntryKind::folder);
    sortAsRegistry(key->subkeys);
    key->folder = std::move(folder);
    return key;
}

// The version a runtime's release file names (JAVA_VERSION="17.0.15").
bool releaseVersion(const std::string& home, std::string& version)
{
    std::ifstream in(home + "/release");
    const std::string prefix = "JAVA_VERSION=";
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        std::string value = line.substr(prefix.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        // A registry name holds no backslash and at most 255 characters.
        if (value.empty() || value.size() > 255 || value.find('\\') != std::string::npos) {
            return false;
        }
        version = std::move(value);
        return true;
    }
    return false;
}

// Version name to Java home, each runtime folder once however many links
// lead to it.
std::map<std::string, std::string> installedRuntimes()
{
    std::vector<std::string> names = entriesOf(kRuntimeRoot, EntryKind::folder);
    std::sort(names.begin(), names.end());
    std::vector<std::string> homes;
    std::vector<std::pair<std::string, std::string>> runtimes;
    for (const std::string& name : names) {
        char resolved[PATH_MAX];
        if (realpath((std::string(kRuntimeRoot) + "/" + name).c_str(), resolved) == nullptr) {
            continue;
        }
        std::string home = resolved;
        std::string version;
        if (std::find(homes.begin(), homes.end(), home) != homes.end() || !releaseVersion(home, version)) {
            continue;
        }
        homes.push_back(home);
        runtimes.emplace_back(std::move(version), std::move(home));
    }
    // Two runtimes of one version would be one key; the first folder keeps it.
    std::map<std::string, std::string> byVersion;
    for (auto& [version, home] : runtimes) {
        bool taken = std::any_of(byVersion.begin(), byVersion.end(),
                                 [&](const auto& entry) { return sameName(entry.first, version); });
        if (!taken) {
            byVersion.emplace(std::move(version), std::move(home));
        }
    }
    return byVersion;
}

std::unique_ptr<PosixRegistryKey> openInstalledKey(const std::vector<std::string>& components)
{
    std::vector<std::string> list;
    splitKeyPath(kRuntimeListPath, list);
    if (components.empty() || components.size() > list.size() + 1 ||
        !std::equal(components.begin(), components.begin() + std::min(components.size(), list.size()), list.begin(),
                    sameName)) {
        return nullptr;
    }
    auto key = std::make_unique<PosixRegistryKey>();
    if (components.size() < list.size()) {
        key->subkeys.push_back(list[components.size()]);
        return key;
    }
    std::map<std::string, std::string> runtimes = installedRuntimes();
    if (components.size() == list.size()) {
        for (const auto& runtime : runtimes) {
            key->subkeys.push_back(runtime.first);
        }
        sortAsRegistry(key->subkeys);
        return key;
    }
    for (const auto& runtime : runtimes) {
        if (sameName(runtime.first, components.back())) {
            key->values.emplace("JavaHome", runtime.second);
            return key;
        }
    }
    return nullptr;
}

PosixRegistryKey* keyOf(const RegistryKey& key)
{
    return static_cast<PosixRegistryKey*>(key.get());
}

}  // namespace

void RegistryKeyTraits::close(Handle handle) noexcept
{
    int saved = errno;
    delete static_cast<PosixRegistryKey*>(handle);
    errno = saved;
}

RegistryKey openLocalMachineKey(const std::string& path)
{
    std::vector<std::string> components;
    if (!splitKeyPath(path, components)) {
        return RegistryKey();
    }
    std::string mirror = environmentVariable("TARN_REGISTRY");
    std::unique_ptr<PosixRegistryKey> key =
        mirror.empty() ? openInstalledKey(components) : openMirrorKey(mirror, components);
    return RegistryKey(key.release());
}

bool subkeyName(const RegistryKey& key, std::uint32_t index, std::string& name)
{
    PosixRegistryKey* object = keyOf(key);
    if (object == nullptr || index >= object->subkeys.size()) {
        return false;
    }
    name = object->subkeys[index];
    return true;
}

bool readValueData(const RegistryKey& key, const std::string& name, std::vector<std::uint8_t>& data)
{
    PosixRegistryKey* object = keyOf(key);
    if (object == nullptr) {
        return false;
    }
    std::string text;
    if (!object->folder.empty()) {
        std::string file;
        if (name.empty() || name.find('/') != std::string::npos ||
            !findEntry(object->folder, name, EntryKind::file, file) || !readFile(file, text)) {
            return false;
        }
    } else {
        auto value = std::find_if(object->values.begin(), object->values.end(),
                                  [&](const auto& entry) { return sameName(entry.first, name); });
        if (value == object->values.end()) {
            return false;
        }
        text = value->second;
    }
    data.assign(text.begin(), text.end());
    data.push_back(0);
    return true;
}

}  // namespace platform
