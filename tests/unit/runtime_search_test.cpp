#include "discovery/runtime_search.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "discovery/java_home.h"
#include "launch/launcher_context.h"
#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/process.h"
#include "support/java_home_files.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace {

using platform::VmKind;

// Java homes beside the test program and in the current directory are made
// for one test and removed afterwards; the registry stand-in is empty.
class RuntimeSearch : public testing::Test {
protected:
    void SetUp() override
    {
        std::string launcher;
        ASSERT_TRUE(platform::executablePath(launcher));
        besideLauncher_ = launcher.substr(0, launcher.rfind(platform::pathSeparator()) + 1);
        previousDirectory_ = platform::currentDirectory();
        ASSERT_TRUE(platform::setCurrentDirectory(workingDirectory_.path()));
    }

    void TearDown() override
    {
        platform::setCurrentDirectory(previousDirectory_);
        std::error_code ignored;
        std::filesystem::remove_all(besideLauncher_ + "bin", ignored);
        std::filesystem::remove_all(besideLauncher_ + "lib", ignored);
        std::filesystem::remove_all(besideLauncher_ + "jre", ignored);
    }

    std::string jreBesideLauncher() const { return besideLauncher_ + "jre" + platform::pathSeparator(); }

    std::string besideLauncher_;
    std::string previousDirectory_;
    TempFolder workingDirectory_;
    TempFolder configured_;
    TempFolder emptyRegistry_;
    ScopedEnvironmentVariable registry_{"TARN_REGISTRY", emptyRegistry_.path()};
    LauncherContext context_;
};

TEST_F(RuntimeSearch, ConfiguredPathWithOnlyAServerVmIsTakenUnderTheDefaultType)
{
    makeJavaHome(asJavaHome(configured_.path()), {VmKind::server}, false);
    makeJavaHome(besideLauncher_, {VmKind::client});
    context_.configuredJrePath = configured_.path();  // no final separator
    ASSERT_TRUE(locateRuntime(context_));
    EXPECT_EQ(context_.jvmLibraryPath, asJavaHome(configured_.path()) + platform::vmLibraryPath(VmKind::server));
}

TEST_F(RuntimeSearch, ConfiguredDevelopmentKitFolderIsNotSearchedForItsJre)
{
    std::string jre = asJavaHome(configured_.path()) + "jre" + platform::pathSeparator();
    makeJavaHome(jre, {VmKind::client});
    makeJavaHome(besideLauncher_, {VmKind::client});
    context_.configuredJrePath = configured_.path();
    ASSERT_TRUE(locateRuntime(context_));
    EXPECT_EQ(context_.jvmLibraryPath, besideLauncher_ + platform::vmLibraryPath(VmKind::client));
}

TEST_F(RuntimeSearch, JreSubfolderBesideTheLauncher)
{
    makeJavaHome(jreBesideLauncher(), {VmKind::client});
    std::string home;
    ASSERT_TRUE(runtimeBesideLauncher(context_, home));
    EXPECT_EQ(home, jreBesideLauncher());
    ASSERT_TRUE(locateRuntime(context_));
    EXPECT_EQ(context_.jvmLibraryPath, jreBesideLauncher() + platform::vmLibraryPath(VmKind::client));
}

TEST_F(RuntimeSearch, MarkerWithoutLibraryBesideTheLauncherHidesItsJre)
{
    makeJavaHome(besideLauncher_, {});
    makeJavaHome(jreBesideLauncher(), {VmKind::client});
    std::string home;
    ASSERT_TRUE(runtimeBesideLauncher(context_, home));
    EXPECT_EQ(home, besideLauncher_);
    EXPECT_FALSE(locateRuntime(context_));
    EXPECT_EQ(context_.jvmLibraryPath, "");
}

TEST_F(RuntimeSearch, NoJavaHomeBesideTheLauncherProbesTheCurrentDirectory)
{
    makeJavaHome(asJavaHome(workingDirectory_.path()), {VmKind::client}, false);
    std::string home = "untouched";
    ASSERT_TRUE(runtimeBesideLauncher(context_, home));
    EXPECT_EQ(home, "");
    ASSERT_TRUE(locateRuntime(context_));
    EXPECT_EQ(context_.jvmLibraryPath, platform::vmLibraryPath(VmKind::client)) << "a path relative to the current directory";
}

TEST_F(RuntimeSearch, ServerOnlyTypeSkipsAClientBesideTheLauncher)
{
    makeJavaHome(besideLauncher_, {VmKind::client});
    context_.jvmType = 1;
    EXPECT_FALSE(locateRuntime(context_));
    EXPECT_EQ(context_.jvmLibraryPath, "");
}

TEST_F(RuntimeSearch, NothingAnywhere)
{
    context_.configuredJrePath = configured_.path();
    context_.jvmLibraryPath = "stale";
    EXPECT_FALSE(locateRuntime(context_));
    EXPECT_EQ(context_.jvmLibraryPath, "");
}

}  // namespace
