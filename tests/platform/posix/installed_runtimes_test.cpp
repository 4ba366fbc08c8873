// Without a registry folder of its own, the host build's search finds the
// Java runtimes installed on this machine through the same filters and
// ranking as the registered ones on Windows.

#include <gtest/gtest.h>

#include "discovery/runtime_search.h"
#include "discovery/version_number.h"
#include "launch/launcher_context.h"
#include "platform/files.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace {

class InstalledRuntimes : public testing::Test {
protected:
    void SetUp() override
    {
        previous_ = platform::currentDirectory();
        ASSERT_TRUE(platform::setCurrentDirectory(elsewhere_.path()));
    }
    void TearDown() override { platform::setCurrentDirectory(previous_); }

    ScopedEnvironmentVariable registry_{"TARN_REGISTRY", std::nullopt};
    TempFolder elsewhere_;
    std::string previous_;
};

TEST_F(InstalledRuntimes, OneOfThemIsFound)
{
    LauncherContext context;
    context.minVersion = versionLimit("any", false);
    context.maxVersion = versionLimit("any", true);
    ASSERT_TRUE(locateRuntime(context)) << "this machine has a JDK under /usr/lib/jvm";
    EXPECT_EQ(context.jvmLibraryPath.rfind("/usr/lib/jvm/", 0), 0u) << context.jvmLibraryPath;
    EXPECT_TRUE(platform::findFirstMatches(context.jvmLibraryPath));
    EXPECT_NE(context.jvmLibraryPath.find("/lib/server/libjvm.so"), std::string::npos) << context.jvmLibraryPath;
}

TEST_F(InstalledRuntimes, LimitsThatExcludeEveryOneFindNone)
{
    LauncherContext context;
    context.minVersion = versionLimit("1.2", false);
    context.maxVersion = versionLimit("1.3", true);
    EXPECT_FALSE(locateRuntime(context));
    EXPECT_EQ(context.jvmLibraryPath, "");
}

}  // namespace
