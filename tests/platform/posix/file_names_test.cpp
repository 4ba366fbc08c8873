#include "platform/file_names.h"

#include <gtest/gtest.h>

#include "support/scoped_environment.h"

namespace {

struct BesideCase {
    std::string launcherPath;
    std::string configPath;
};

class ConfigFilePathBeside : public testing::TestWithParam<BesideCase> {};

TEST_P(ConfigFilePathBeside, ReplacesOrAppendsTheFileNamesExtension)
{
    std::string path;
    EXPECT_TRUE(platform::configFilePathBeside(GetParam().launcherPath, path));
    EXPECT_EQ(path, GetParam().configPath);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigFilePathBeside,
    testing::Values(BesideCase{"/opt/app/tool", "/opt/app/tool.ini"},
                    BesideCase{"/opt/my.app/tool", "/opt/my.app/tool.ini"},
                    BesideCase{"/opt/app/tool.v2.bin", "/opt/app/tool.v2.ini"},
                    BesideCase{"/opt/app/tool.exe", "/opt/app/tool.ini"},
                    BesideCase{"tool", "tool.ini"}),
    [](const testing::TestParamInfo<BesideCase>& info) { return "case" + std::to_string(info.index); });

TEST(UserConfigRoot, IsXdgConfigHomeOrTheHomeConfigFolder)
{
    ScopedEnvironmentVariable home("HOME", "/home/u");
    {
        ScopedEnvironmentVariable xdg("XDG_CONFIG_HOME", "/srv/config");
        EXPECT_EQ(platform::userConfigRoot(), "/srv/config");
    }
    {
        ScopedEnvironmentVariable xdg("XDG_CONFIG_HOME", std::nullopt);
        EXPECT_EQ(platform::userConfigRoot(), "/home/u/.config");
        ScopedEnvironmentVariable noHome("HOME", std::nullopt);
        EXPECT_EQ(platform::userConfigRoot(), "");
    }
}

TEST(PathSeparator, IsTheSlash)
{
    EXPECT_EQ(platform::pathSeparator(), '/');
}

}  // namespace
