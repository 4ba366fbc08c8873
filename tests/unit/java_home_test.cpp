#include "discovery/java_home.h"

#include <gtest/gtest.h>

#include "platform/file_names.h"
#include "platform/java_home_layout.h"
#include "support/java_home_files.h"
#include "support/temp_folder.h"

namespace {

using platform::VmKind;

struct ProbeCase {
    const char* name;
    std::vector<VmKind> present;
    int vmType;
    bool found;
    VmKind expected;
};

class ProbeJavaHome : public testing::TestWithParam<ProbeCase> {};

TEST_P(ProbeJavaHome, TakesTheLibraryTheVmTypeAsksFor)
{
    TempFolder folder;
    std::string home = asJavaHome(folder.path());
    for (VmKind kind : GetParam().present) {
        makeFileIn(home, platform::vmLibraryPath(kind));
    }
    bool isServerVm = false;
    std::string library = probeJavaHome(home, GetParam().vmType, isServerVm);
    if (!GetParam().found) {
        EXPECT_EQ(library, "");
        return;
    }
    EXPECT_EQ(library, home + platform::vmLibraryPath(GetParam().expected));
    EXPECT_EQ(isServerVm, GetParam().expected == VmKind::server);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProbeJavaHome,
    testing::Values(
        ProbeCase{"clientAndServerDefault", {VmKind::client, VmKind::server}, 0, true, VmKind::client},
        ProbeCase{"clientAndServerServerOnly", {VmKind::client, VmKind::server}, 1, true, VmKind::server},
        ProbeCase{"clientAndServerServerPreferred", {VmKind::client, VmKind::server}, 2, true, VmKind::server},
        ProbeCase{"clientOnlyServerOnly", {VmKind::client}, 1, false, VmKind::client},
        ProbeCase{"clientOnlyServerPreferred", {VmKind::client}, 2, true, VmKind::client},
        ProbeCase{"serverOnlyDefault", {VmKind::server}, 0, true, VmKind::server},
        ProbeCase{"jrockitOnlyDefault", {VmKind::jrockit}, 0, true, VmKind::jrockit},
        ProbeCase{"jrockitOnlyServerPreferred", {VmKind::jrockit}, 2, true, VmKind::jrockit},
        ProbeCase{"jrockitOnlyServerOnly", {VmKind::jrockit}, 1, false, VmKind::jrockit},
        ProbeCase{"defaultOrderClassicBeforeHotspot", {VmKind::hotspot, VmKind::classic, VmKind::server}, 0, true,
                  VmKind::classic},
        ProbeCase{"hotspotBeforeServer", {VmKind::hotspot, VmKind::server, VmKind::jrockit}, 0, true,
                  VmKind::hotspot},
        ProbeCase{"serverBeforeJrockit", {VmKind::jrockit, VmKind::server}, 0, true, VmKind::server},
        ProbeCase{"nothing", {}, 0, false, VmKind::client}),
    [](const testing::TestParamInfo<ProbeCase>& info) { return std::string(info.param.name); });

TEST(ProbeJavaHomeResult, LeavesTheServerFlagAloneWhenNothingIsFound)
{
    TempFolder folder;
    bool isServerVm = true;
    EXPECT_EQ(probeJavaHome(asJavaHome(folder.path()), 0, isServerVm), "");
    EXPECT_TRUE(isServerVm);
}

TEST(ProbeJavaHomeResult, AHomeWithoutItsSeparatorFindsNothing)
{
    TempFolder folder;
    makeFileIn(asJavaHome(folder.path()), platform::vmLibraryPath(VmKind::client));
    EXPECT_EQ(probeJavaHome(folder.path(), 0), "");
}

TEST(AsJavaHome, AddsTheSeparatorOnce)
{
    const std::string separator(1, platform::pathSeparator());
    EXPECT_EQ(asJavaHome(""), "");
    EXPECT_EQ(asJavaHome("jre"), "jre" + separator);
    EXPECT_EQ(asJavaHome("jre" + separator), "jre" + separator);
}

TEST(IsJavaHome, NeedsTheMarkerButNoVmLibrary)
{
    TempFolder folder;
    std::string home = asJavaHome(folder.path());
    makeFileIn(home, platform::vmLibraryPath(VmKind::client));
    EXPECT_FALSE(isJavaHome(home));
    makeFileIn(home, platform::javaHomeMarker());
    EXPECT_TRUE(isJavaHome(home));

    TempFolder markerOnly;
    makeFileIn(asJavaHome(markerOnly.path()), platform::javaHomeMarker());
    EXPECT_TRUE(isJavaHome(asJavaHome(markerOnly.path())));
    EXPECT_EQ(probeJavaHome(asJavaHome(markerOnly.path()), 0), "");
}

}  // namespace
