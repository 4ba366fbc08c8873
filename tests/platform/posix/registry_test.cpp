// Without a mirror folder, the host's registry offers the machine's own Java
// runtimes where Windows runtimes register, so that the launcher's search
// finds them.
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/scoped_environment.h"

namespace fs = std::filesystem;

namespace {

constexpr char kRuntimeList[] = "Software\\JavaSoft\\Java Runtime Environment";

std::string versionInRelease(const fs::path& home)
{
    std::ifstream in(home / "release");
    for (std::string line; std::getline(in, line);) {
        const std::string prefix = "JAVA_VERSION=\"";
        if (line.rfind(prefix, 0) == 0 && line.size() > prefix.size() && line.back() == '"') {
            return line.substr(prefix.size(), line.size() - prefix.size() - 1);
        }
    }
    return "";
}

// Version to home, as /usr/lib/jvm holds them now.
std::map<std::string, std::string> installedRuntimes()
{
    std::map<std::string, std::string> runtimes;
    std::error_code error;
    std::vector<fs::path> entries;
    for (const fs::directory_entry& entry : fs::directory_iterator("/usr/lib/jvm", error)) {
        entries.push_back(entry.path());
    }
    // Of two runtimes of one version, the first folder by name is offered.
    std::sort(entries.begin(), entries.end());
    for (const fs::path& entry : entries) {
        fs::path home = fs::canonical(entry, error);
        if (error || !fs::is_directory(home)) {
            continue;
        }
        std::string version = versionInRelease(home);
        if (!version.empty()) {
            runtimes.emplace(version, home.string());
        }
    }
    return runtimes;
}

std::vector<std::string> allSubkeys(const platform::RegistryKey& key)
{
    std::vector<std::string> names;
    std::string name;
    for (std::uint32_t index = 0; platform::subkeyName(key, index, name); ++index) {
        names.push_back(name);
    }
    return names;
}

std::string javaHome(const std::string& path)
{
    platform::RegistryKey key = platform::openLocalMachineKey(path);
    std::vector<std::uint8_t> data;
    if (!key || !platform::readValueData(key, "JavaHome", data) || data.empty() || data.back() != 0) {
        return "<no JavaHome>";
    }
    return std::string(data.begin(), data.end() - 1);
}

class RegistryInstalledRuntimes : public testing::Test {
protected:
    ScopedEnvironmentVariable noMirror_{"TARN_REGISTRY", std::nullopt};
};

TEST_F(RegistryInstalledRuntimes, AreTheRuntimeListsSubkeysWithTheirHomes)
{
    std::map<std::string, std::string> expected = installedRuntimes();
    platform::RegistryKey list = platform::openLocalMachineKey(kRuntimeList);
    ASSERT_TRUE(list);
    std::vector<std::string> names = allSubkeys(list);

    std::map<std::string, std::string> offered;
    for (const std::string& name : names) {
        offered[name] = javaHome(std::string(kRuntimeList) + "\\" + name);
    }
    EXPECT_EQ(offered, expected);
    EXPECT_EQ(names.size(), offered.size()) << "a runtime reached through a link is offered once";
}

TEST_F(RegistryInstalledRuntimes, GiveResolvedHomesEachOnce)
{
    platform::RegistryKey list = platform::openLocalMachineKey(kRuntimeList);
    ASSERT_TRUE(list);
    std::set<std::string> homes;
    for (const std::string& name : allSubkeys(list)) {
        std::string home = javaHome(std::string(kRuntimeList) + "\\" + name);
        EXPECT_EQ(home, fs::canonical(home).string()) << name;
        EXPECT_TRUE(homes.insert(home).second) << home << " is offered twice";
    }
}

TEST_F(RegistryInstalledRuntimes, AreSortedAsRegistryNames)
{
    std::vector<std::string> names = allSubkeys(platform::openLocalMachineKey(kRuntimeList));
    auto lowerCase = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
        return text;
    };
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return lowerCase(a) < lowerCase(b);
    }));
}

struct KeyCase {
    const char* name;
    std::string path;
    bool opens;
    std::vector<std::string> subkeys;
};

class RegistryInstalledKeys : public RegistryInstalledRuntimes, public testing::WithParamInterface<KeyCase> {};

TEST_P(RegistryInstalledKeys, LeadToTheRuntimeListAndNowhereElse)
{
    platform::RegistryKey key = platform::openLocalMachineKey(GetParam().path);
    ASSERT_EQ(static_cast<bool>(key), GetParam().opens);
    if (key) {
        EXPECT_EQ(allSubkeys(key), GetParam().subkeys);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryInstalledKeys,
    testing::Values(
        KeyCase{"software", "Software", true, {"JavaSoft"}},
        KeyCase{"vendor", "Software\\JavaSoft", true, {"Java Runtime Environment"}},
        KeyCase{"vendorInOtherLetterCase", "SOFTWARE\\javasoft", true, {"Java Runtime Environment"}},
        KeyCase{"root", "", false, {}},
        KeyCase{"otherVendor", "Software\\JRockit", false, {}},
        KeyCase{"developmentKits", "Software\\JavaSoft\\Java Development Kit", false, {}},
        KeyCase{"unknownVersion", "Software\\JavaSoft\\Java Runtime Environment\\0.0", false, {}},
        KeyCase{"belowARuntime", "Software\\JavaSoft\\Java Runtime Environment\\1.6\\x", false, {}}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(RegistryInstalledRuntimes, RuntimeKeyHasOnlyItsHome)
{
    platform::RegistryKey list = platform::openLocalMachineKey(kRuntimeList);
    std::string first;
    if (!platform::subkeyName(list, 0, first)) {
        GTEST_SKIP() << "no Java runtime under /usr/lib/jvm";
    }
    platform::RegistryKey runtime = platform::openLocalMachineKey(std::string(kRuntimeList) + "\\" + first);
    ASSERT_TRUE(runtime);
    std::string name = "untouched";
    std::vector<std::uint8_t> data{0xEE};
    EXPECT_FALSE(platform::subkeyName(runtime, 0, name));
    EXPECT_FALSE(platform::readValueData(runtime, "RuntimeLib", data));
    EXPECT_EQ(name, "untouched");
    EXPECT_EQ(data, std::vector<std::uint8_t>{0xEE});
}

}  // namespace
