#include "config/config_file_location.h"

#include <gtest/gtest.h>

#include "launch/launcher_context.h"
#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/process.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace {

std::string joined(std::initializer_list<std::string> parts)
{
    std::string path;
    bool first = true;
    for (const std::string& part : parts) {
        if (!first) {
            path += platform::pathSeparator();
        }
        path += part;
        first = false;
    }
    return path;
}

std::string executableFileName()
{
    std::string path;
    EXPECT_TRUE(platform::executablePath(path));
    return path.substr(path.rfind(platform::pathSeparator()) + 1);
}

// The per-user root is APPDATA on Windows and XDG_CONFIG_HOME (or
// $HOME/.config) elsewhere; setting all of them makes the tests hold on both.
struct UserConfigRoot {
    explicit UserConfigRoot(const std::optional<std::string>& root)
        : appData("APPDATA", root), xdg("XDG_CONFIG_HOME", root)
    {
        if (!root) {
            home.emplace("HOME", std::nullopt);
        }
    }
    ScopedEnvironmentVariable appData;
    ScopedEnvironmentVariable xdg;
    std::optional<ScopedEnvironmentVariable> home;
};

struct FileNameCase {
    std::string launcherPath;
    std::string fileName;
};

class UserConfigFileName : public testing::TestWithParam<FileNameCase> {};

TEST_P(UserConfigFileName, IsTheLauncherNameWithoutExtension)
{
    EXPECT_EQ(userConfigFileName(GetParam().launcherPath), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserConfigFileName,
    testing::Values(FileNameCase{joined({"C:", "Apps", "Tool", "tool.exe"}), "tool.ini"},
                    FileNameCase{joined({"C:", "My.Apps", "tool"}), "tool.ini"},
                    FileNameCase{joined({"C:", "Apps", "tool.v2.exe"}), "tool.v2.ini"},
                    FileNameCase{"tool.exe", "tool.ini"},
                    FileNameCase{"tool", "tool.ini"}),
    [](const testing::TestParamInfo<FileNameCase>& info) { return "case" + std::to_string(info.index); });

TEST(ProductFolderName, LeavesOutTheNineCharacters)
{
    EXPECT_EQ(productFolderName("A/B:C"), "ABC");
    EXPECT_EQ(productFolderName("My: App"), "My App");
    EXPECT_EQ(productFolderName("a\\b?c\"d|e>f<g:h/i*j"), "abcdefghij");
    EXPECT_EQ(productFolderName(""), "");
}

// A per-user root of the test's own, and a context that names a product.
class GetUserConfigFilePath : public testing::Test {
protected:
    std::string userPath(const std::string& productName, const std::string& productCode, bool createFolders)
    {
        context.productName = productName;
        context.productCode = productCode;
        return getUserConfigFilePath(context, createFolders);
    }

    TempFolder root;
    UserConfigRoot environment{root.path()};
    LauncherContext context;
};

TEST_F(GetUserConfigFilePath, JoinsRootProductFolderCodeAndFileName)
{
    std::string path = userPath("A/B:C", "X", false);
    std::string noExtension = executableFileName().substr(0, executableFileName().rfind('.'));
    EXPECT_EQ(path, joined({root.path(), "ABC", "X", noExtension + ".ini"}));
    EXPECT_FALSE(platform::findFirstMatches(root.file("ABC"))) << "folders are created only when asked";
}

TEST_F(GetUserConfigFilePath, CreatesBothFoldersWhenAsked)
{
    std::string path = userPath("My: App", "{1234}", true);
    EXPECT_TRUE(platform::findFirstMatches(joined({root.path(), "My App", "{1234}"})));
    // Asking again, with the folders present, gives the same path.
    EXPECT_EQ(getUserConfigFilePath(context, true), path);
}

TEST_F(GetUserConfigFilePath, EmptyProductNameGivesTwoSeparatorsInARow)
{
    std::string doubled(2, platform::pathSeparator());
    EXPECT_EQ(userPath("", "X", false).rfind(root.path() + doubled + "X", 0), 0u);
}

TEST(GetUserConfigFilePathWithoutRoot, StartsAtTheSeparator)
{
    UserConfigRoot environment(std::nullopt);
    LauncherContext context;
    context.productName = "P";
    context.productCode = "C";
    std::string expectedStart = joined({"", "P", "C", ""});
    EXPECT_EQ(getUserConfigFilePath(context, false).rfind(expectedStart, 0), 0u);
}

TEST(GetConfigFilePath, NamesTheIniBesideTheLauncher)
{
    std::string launcherPath;
    ASSERT_TRUE(platform::executablePath(launcherPath));
    LauncherContext context;
    std::string path;
    ASSERT_TRUE(getConfigFilePath(context, path));
    std::string folder = launcherPath.substr(0, launcherPath.rfind(platform::pathSeparator()) + 1);
    EXPECT_EQ(path, folder + "tarn_unit_tests.ini");
}

TEST(UserFileInForce, HoldsOnAnNtSystemOutsideServiceMode)
{
    LauncherContext context;
    EXPECT_EQ(userFileInForce(context), isNtPlatform());
    context.isService = true;
    EXPECT_FALSE(userFileInForce(context));
}

TEST(IsNtPlatform, BothBuildsRunOnAnNtFamilySystem)
{
    EXPECT_TRUE(isNtPlatform());
}

TEST(UserConfigFileExists, FindsFilesAndNothingElse)
{
    TempFolder folder;
    std::string file = folder.writeFile("tool.ini", "[Java Runtime Environment]\n");
    EXPECT_TRUE(userConfigFileExists(file));
    EXPECT_FALSE(userConfigFileExists(folder.file("absent.ini")));
}

TEST(UserConfigFileExists, PathsOf260CharactersOrMoreCountAsAbsent)
{
    TempFolder folder;
    folder.writeFile("tool.ini", "");
    // The same file, named through enough "." components to reach the limit.
    const std::string here = std::string(1, platform::pathSeparator()) + ".";
    const std::string name = std::string(1, platform::pathSeparator()) + "tool.ini";
    std::string below = folder.path();
    while (below.size() + here.size() + name.size() <= 259) {
        below += here;
    }
    std::string above = below;
    while (above.size() + name.size() < 260) {
        above += here;
    }
    if ((below + name).size() < 260) {
        EXPECT_TRUE(userConfigFileExists(below + name));
    }
    EXPECT_FALSE(userConfigFileExists(above + name));
}

}  // namespace
