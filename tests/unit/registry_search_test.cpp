#include "discovery/registry_search.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/configuration_keys.h"
#include "discovery/java_home.h"
#include "discovery/runtime_search.h"
#include "launch/launcher_context.h"
#include "platform/file_names.h"
#include "support/java_home_files.h"
#include "support/registry_writer.h"
#include "support/temp_folder.h"

namespace {

using platform::VmKind;

// One registered runtime: its vendor key below "Software", its subkey, and
// the folder its JavaHome names (made with the VM libraries of `kinds`;
// none when `kinds` is empty and `exists` is false).
struct Registered {
    const char* key;  // such as "JavaSoft\\Java Runtime Environment"
    const char* version;
    const char* folder;  // relative to the test's folder; "" for an empty JavaHome
    std::vector<VmKind> kinds;
    bool jdk = false;  // the VM libraries lie in the folder's "jre"
};

struct SearchCase {
    const char* name;
    std::vector<Registered> registered;
    std::function<void(LauncherContext&)> configure;
    std::string selected;  // folder of the selected home, "" when none
    VmKind loaded = VmKind::client;  // the library that locateRuntime then loads
};

class RegisteredRuntimes : public testing::TestWithParam<SearchCase> {};

TEST_P(RegisteredRuntimes, AreFilteredRankedAndSelected)
{
    TestRegistry javaSoft("Software\\JavaSoft");
    TestRegistry jrockit("Software\\JRockit");
    if (!javaSoft.ready() || !jrockit.ready()) {
        GTEST_SKIP() << "this machine has Java runtimes registered; their keys are left alone";
    }
    TempFolder homes;
    const std::string separator(1, platform::pathSeparator());
    for (const Registered& entry : GetParam().registered) {
        std::string key = entry.key;
        TestRegistry& vendor = key.rfind("JavaSoft", 0) == 0 ? javaSoft : jrockit;
        std::string below = key.substr(key.find('\\') + 1) + "\\" + entry.version;
        std::string folder = *entry.folder ? homes.file(entry.folder) : "";
        ASSERT_TRUE(vendor.setString(below, "JavaHome", folder));
        if (!entry.kinds.empty()) {
            makeJavaHome(asJavaHome(folder) + (entry.jdk ? "jre" + separator : ""), entry.kinds);
        }
    }
    LauncherContext context;
    context.minVersion = versionLimit("any", false);
    context.maxVersion = versionLimit("any", true);
    GetParam().configure(context);

    std::string home;
    bool selected = searchRegistry(context, home);
    if (GetParam().selected.empty()) {
        EXPECT_FALSE(selected) << home;
        return;
    }
    ASSERT_TRUE(selected);
    std::string expected = asJavaHome(homes.file(GetParam().selected));
    bool viaJdk = false;
    for (const Registered& entry : GetParam().registered) {
        viaJdk = viaJdk || (entry.jdk && GetParam().selected == entry.folder);
    }
    if (viaJdk) {
        expected += "jre" + separator;
    }
    EXPECT_EQ(home, expected);

    // The search order's last place then loads that home's library.
    ASSERT_TRUE(locateRuntime(context));
    EXPECT_EQ(context.jvmLibraryPath, expected + platform::vmLibraryPath(GetParam().loaded));
}

const char* kSunJre = "JavaSoft\\Java Runtime Environment";
const char* kSunJdk = "JavaSoft\\Java Development Kit";
const char* kJRockitJre = "JRockit\\Java Runtime Environment";

const std::vector<Registered> kTwoSunJres = {{kSunJre, "1.5.0_12", "jre5", {VmKind::client}},
                                             {kSunJre, "1.6.0_07", "jre6", {VmKind::client}}};

INSTANTIATE_TEST_SUITE_P(
    Cases, RegisteredRuntimes,
    testing::Values(
        SearchCase{"newerOfTwoSunJres", kTwoSunJres, [](LauncherContext&) {}, "jre6"},
        SearchCase{"preferredOlderOne", kTwoSunJres, [](LauncherContext& c) { c.preferredVersions = {"1.5"}; },
                   "jre5"},
        SearchCase{"preferenceThatMatchesNothingIsPassedOver", kTwoSunJres,
                   [](LauncherContext& c) { c.preferredVersions = {"1.4", "1.6"}; }, "jre6"},
        SearchCase{"upperLimitTakesUpdates", kTwoSunJres,
                   [](LauncherContext& c) { c.maxVersion = versionLimit("1.5", true); }, "jre5"},
        SearchCase{"lowerLimitIsInclusive", {{kSunJre, "1.6", "jre6", {VmKind::client}}},
                   [](LauncherContext& c) { c.minVersion = versionLimit("1.6", false); }, "jre6"},
        SearchCase{"missingMaximumVersionAdmitsNothing", kTwoSunJres,
                   [](LauncherContext& c) { c.maxVersion = versionLimit("", true); }, ""},
        SearchCase{"favouredJdkBeforeNewerJre",
                   {{kSunJdk, "1.5.0_12", "jdk5", {VmKind::client}, true}, {kSunJre, "1.6.0_07", "jre6", {VmKind::client}}},
                   [](LauncherContext& c) { applyJvmSource(c, "favor_JDK"); }, "jdk5"},
        SearchCase{"noVendorFavouredSoVersionDecides",
                   {{kSunJdk, "1.5.0_12", "jdk5", {VmKind::client}, true}, {kSunJre, "1.6.0_07", "jre6", {VmKind::client}}},
                   [](LauncherContext& c) {
                       applyJvmSource(c, "favor_JDK");
                       applyVmProvider(c, "any");
                   },
                   "jre6"},
        SearchCase{"favorServerRanksTheSunJreByItsDefaultVm",
                   {{kJRockitJre, "1.5", "jrockit5", {VmKind::server}},
                    {kSunJre, "1.6", "sun6", {VmKind::client, VmKind::server}}},
                   [](LauncherContext& c) {
                       c.jvmType = 2;
                       applyVmProvider(c, "any");
                   },
                   "jrockit5", VmKind::server},
        SearchCase{"serverOnlyDropsAClientOnlyRuntime",
                   {{kSunJre, "1.6", "client6", {VmKind::client}}, {kSunJre, "1.5", "server5", {VmKind::server}}},
                   [](LauncherContext& c) { c.jvmType = 1; }, "server5", VmKind::server},
        SearchCase{"vanishedJavaHomeIsSkipped",
                   {{kSunJre, "1.7", "gone", {}}, {kSunJre, "1.6", "jre6", {VmKind::client}}},
                   [](LauncherContext&) {}, "jre6"},
        SearchCase{"emptyJavaHomeIsDropped",
                   {{kSunJre, "1.7", "", {}}, {kSunJre, "1.6", "jre6", {VmKind::client}}},
                   [](LauncherContext&) {}, "jre6"},
        SearchCase{"jrockitOnlyLeavesSunAlone", kTwoSunJres,
                   [](LauncherContext& c) { applyVmProvider(c, "JRockit"); }, ""},
        SearchCase{"misspeltSourceSearchesNothing", kTwoSunJres,
                   [](LauncherContext& c) { applyJvmSource(c, "Favor_JRE"); }, ""}),
    [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

}  // namespace
