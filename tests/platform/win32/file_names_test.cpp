#include "platform/file_names.h"

#include <gtest/gtest.h>

#include "support/scoped_environment.h"

namespace {

struct BesideCase {
    std::string launcherPath;
    bool named;
    std::string configPath;
};

class ConfigFilePathBeside : public testing::TestWithParam<BesideCase> {};

TEST_P(ConfigFilePathBeside, PutsIniAfterTheLastDotOfThePath)
{
    std::string path = "untouched";
    EXPECT_EQ(platform::configFilePathBeside(GetParam().launcherPath, path), GetParam().named);
    EXPECT_EQ(path, GetParam().configPath);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigFilePathBeside,
    testing::Values(BesideCase{"C:\\Apps\\Tool\\tool.exe", true, "C:\\Apps\\Tool\\tool.ini"},
                    BesideCase{"C:\\My.Apps\\tool", true, "C:\\My.ini"},
                    BesideCase{"C:\\Apps\\tool.v2.exe", true, "C:\\Apps\\tool.v2.ini"},
                    BesideCase{"C:\\Apps\\tool.", true, "C:\\Apps\\tool.ini"},
                    BesideCase{"C:\\Apps\\tool", false, "untouched"}),
    [](const testing::TestParamInfo<BesideCase>& info) { return "case" + std::to_string(info.index); });

TEST(UserConfigRoot, IsAppData)
{
    ScopedEnvironmentVariable appData("APPDATA", "C:\\Users\\u\\AppData\\Roaming");
    EXPECT_EQ(platform::userConfigRoot(), "C:\\Users\\u\\AppData\\Roaming");
}

TEST(PathSeparator, IsTheBackslash)
{
    EXPECT_EQ(platform::pathSeparator(), '\\');
}

}  // namespace
