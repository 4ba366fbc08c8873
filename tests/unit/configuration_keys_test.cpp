#include "config/configuration_keys.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "config/config_file_location.h"
#include "launch/launcher_context.h"
#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/process.h"
#include "support/captured_output.h"
#include "support/config_file_beside.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace {

// The configuration file beside the test program, with the per-user root
// in a folder of the test's own.
class ConfigurationFile : public ConfigFileBesideProgram {
protected:
    // Creates the per-user file of product `name` and `code` with `text`.
    void writeUserFile(const std::string& name, const std::string& code, const std::string& text)
    {
        LauncherContext product;
        product.productName = name;
        product.productCode = code;
        ASSERT_TRUE(writeTextFile(getUserConfigFilePath(product, true), text));
    }

    TempFolder userRoot_;
    ScopedEnvironmentVariable appData_{"APPDATA", userRoot_.path()};
    ScopedEnvironmentVariable xdg_{"XDG_CONFIG_HOME", userRoot_.path()};
};

struct KeyCase {
    const char* name;
    std::string ini;  // besides a Main Class
    std::function<void(const LauncherContext&)> check;
};

class ConfigurationKeys : public ConfigurationFile, public testing::WithParamInterface<KeyCase> {};

TEST_P(ConfigurationKeys, SetTheContext)
{
    write("[Java Runtime Environment]\nMain Class=com.example.app.Main\n" + GetParam().ini);
    LauncherContext context;
    ASSERT_TRUE(readConfiguration(context));
    GetParam().check(context);
}

std::vector<int> parts(const VersionNumber& version)
{
    return {version.parts[0], version.parts[1], version.parts[2], version.parts[3], version.count};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigurationKeys,
    testing::Values(
        KeyCase{"defaults", "",
                [](const LauncherContext& c) {
                    EXPECT_EQ(c.mainClass, "com/example/app/Main");
                    EXPECT_FALSE(c.isService);
                    EXPECT_EQ(c.jvmType, 0);
                    EXPECT_TRUE(c.allowJdk && c.allowJre && c.favorSource);
                    EXPECT_TRUE(!c.allowJRockit && c.allowSun && !c.favorJRockit && c.favorSun);
                    EXPECT_EQ(parts(c.minVersion), (std::vector<int>{0, 0, 0, 0, 0}));
                    EXPECT_EQ(parts(c.maxVersion), (std::vector<int>{0, 0, 0, 0, 0}));
                    EXPECT_TRUE(c.preferredVersions.empty());
                    EXPECT_FALSE(c.failureCheck || c.overrideWorkingDir);
                    EXPECT_EQ(c.configuredJrePath, "");
                }},
        KeyCase{"versionLimits", "Minimum Version=1.5\nMaximum Version=1.6.0_10\n",
                [](const LauncherContext& c) {
                    EXPECT_EQ(parts(c.minVersion), (std::vector<int>{1, 5, 0, 0, 2}));
                    EXPECT_EQ(parts(c.maxVersion), (std::vector<int>{1, 6, 0, 10, 4}));
                }},
        KeyCase{"anyLimits", "Minimum Version=any\nMaximum Version=any\n",
                [](const LauncherContext& c) {
                    EXPECT_EQ(parts(c.minVersion), (std::vector<int>{0, 0, 0, 0, 4}));
                    EXPECT_EQ(parts(c.maxVersion), (std::vector<int>{65535, 65535, 65535, 65535, 4}));
                }},
        KeyCase{"preferredVersionsKeepInnerEmptyEntries", "Preferred versions=1.6;;1.5;\n",
                [](const LauncherContext& c) { EXPECT_EQ(c.preferredVersions, (StringList{"1.6", "", "1.5"})); }},
        KeyCase{"serviceExactly", "[Application]\nApplication Type=service\n",
                [](const LauncherContext& c) { EXPECT_TRUE(c.isService); }},
        KeyCase{"serviceCapitalisedIsAnOrdinaryProgram", "[Application]\nApplication Type=Service\n",
                [](const LauncherContext& c) { EXPECT_FALSE(c.isService); }},
        KeyCase{"yesFlagsIgnoreLetterCase", "[Application]\nFailure Check=yes\nOverride WorkingDir=YES\n",
                [](const LauncherContext& c) { EXPECT_TRUE(c.failureCheck && c.overrideWorkingDir); }},
        KeyCase{"flagsNeedYes", "[Application]\nFailure Check=true\nOverride WorkingDir=1\n",
                [](const LauncherContext& c) { EXPECT_FALSE(c.failureCheck || c.overrideWorkingDir); }},
        KeyCase{"jvmTypeServer", "JVM Type=server\n", [](const LauncherContext& c) { EXPECT_EQ(c.jvmType, 1); }},
        KeyCase{"jvmTypeFavorServer", "JVM Type=favor_server\n",
                [](const LauncherContext& c) { EXPECT_EQ(c.jvmType, 2); }},
        KeyCase{"jvmTypeExactOnly", "JVM Type=Server\n", [](const LauncherContext& c) { EXPECT_EQ(c.jvmType, 0); }},
        KeyCase{"pathsAndProduct",
                "System Path=C:\\bin\nLibrary Path=lib\n[Product Information]\nProduct Name=P\nProduct Code=C\n"
                "Upgrade Code=U\n",
                [](const LauncherContext& c) {
                    EXPECT_EQ(c.systemPath, "C:\\bin");
                    EXPECT_EQ(c.libraryPath, "lib");
                    EXPECT_EQ(c.productName, "P");
                    EXPECT_EQ(c.productCode, "C");
                    EXPECT_EQ(c.upgradeCode, "U");
                }},
        KeyCase{"jrePathFromTheFileWhileNoUserFileExists", "JRE Path=C:\\Java\\jre6\\\n",
                [](const LauncherContext& c) { EXPECT_EQ(c.configuredJrePath, "C:\\Java\\jre6\\"); }}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

struct SourceCase {
    const char* value;
    bool allowJdk, allowJre, favorSource;
};

class JvmSource : public testing::TestWithParam<SourceCase> {};

TEST_P(JvmSource, SetsTheThreeFlags)
{
    LauncherContext context;
    applyJvmSource(context, GetParam().value);
    EXPECT_EQ(context.allowJdk, GetParam().allowJdk);
    EXPECT_EQ(context.allowJre, GetParam().allowJre);
    EXPECT_EQ(context.favorSource, GetParam().favorSource);
}

INSTANTIATE_TEST_SUITE_P(Table, JvmSource,
                         testing::Values(SourceCase{"", true, true, true}, SourceCase{"favor_JRE", false, true, true},
                                         SourceCase{"favor_JDK", true, false, true},
                                         SourceCase{"only_JRE", false, true, false},
                                         SourceCase{"only_JDK", true, false, false},
                                         SourceCase{"only_jre", false, false, false},
                                         SourceCase{"anything", false, false, false}),
                         [](const testing::TestParamInfo<SourceCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

struct ProviderCase {
    const char* value;
    bool allowJRockit, allowSun, favorJRockit, favorSun;
};

class VmProvider : public testing::TestWithParam<ProviderCase> {};

TEST_P(VmProvider, SetsTheFourFlags)
{
    LauncherContext context;
    applyVmProvider(context, GetParam().value);
    EXPECT_EQ(context.allowJRockit, GetParam().allowJRockit);
    EXPECT_EQ(context.allowSun, GetParam().allowSun);
    EXPECT_EQ(context.favorJRockit, GetParam().favorJRockit);
    EXPECT_EQ(context.favorSun, GetParam().favorSun);
}

INSTANTIATE_TEST_SUITE_P(Table, VmProvider,
                         testing::Values(ProviderCase{"", false, true, false, true},
                                         ProviderCase{"jrockit", true, false, true, false},
                                         ProviderCase{"JRockit", true, false, true, false},
                                         ProviderCase{"favor_sun", true, true, false, true},
                                         ProviderCase{"FAVOR_JROCKIT", true, true, true, false},
                                         ProviderCase{"any", true, true, false, false},
                                         ProviderCase{"sun", false, true, false, true}),
                         [](const testing::TestParamInfo<ProviderCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST_F(ConfigurationFile, MissingMainClassPrintsMessage210AndStops)
{
    write("[Java Runtime Environment]\nMinimum Version=1.5\nLibrary Path=lib\n[Application]\nFailure Check=Yes\n");
    LauncherContext context;
    bool read = true;
    EXPECT_EQ(capturedStdout([&] { read = readConfiguration(context); }), kMainClassMissingLine);
    EXPECT_FALSE(read);
    EXPECT_EQ(context.minVersion.parts[1], 5) << "keys before the main class are read";
    EXPECT_EQ(context.libraryPath, "") << "keys after it are not";
    EXPECT_FALSE(context.failureCheck);
}

TEST_F(ConfigurationFile, JrePathComesOnlyFromAnExistingUserFile)
{
    write("[Java Runtime Environment]\nMain Class=a.B\nJRE Path=C:\\beside\\\n"
          "[Product Information]\nProduct Name=My: App\nProduct Code=X\n");

    // An existing per-user file without the key hides the file beside the launcher.
    writeUserFile("My: App", "X", "[Java Runtime Environment]\n");
    LauncherContext context;
    ASSERT_TRUE(readConfiguration(context));
    EXPECT_EQ(context.configuredJrePath, "");

    writeUserFile("My: App", "X", "[Java Runtime Environment]\nJRE Path=C:\\chosen\\\n");
    LauncherContext again;
    ASSERT_TRUE(readConfiguration(again));
    EXPECT_EQ(again.configuredJrePath, "C:\\chosen\\");
}

TEST_F(ConfigurationFile, ServiceModeNeverReadsTheUserFile)
{
    write("[Application]\nApplication Type=service\n[Java Runtime Environment]\nMain Class=a.B\n"
          "JRE Path=C:\\beside\\\n[Product Information]\nProduct Name=P\nProduct Code=X\n");
    writeUserFile("P", "X", "[Java Runtime Environment]\nJRE Path=C:\\chosen\\\n");

    LauncherContext context;
    ASSERT_TRUE(readConfiguration(context));
    EXPECT_TRUE(context.isService);
    EXPECT_EQ(context.configuredJrePath, "C:\\beside\\");
}

TEST(SlashSeparatedClassName, ReplacesEveryDot)
{
    EXPECT_EQ(slashSeparatedClassName("com.example.app.Main"), "com/example/app/Main");
    EXPECT_EQ(slashSeparatedClassName("Main"), "Main");
    EXPECT_EQ(slashSeparatedClassName("a..b."), "a//b/");
}

TEST(ApplyWorkingDirOverride, MakesTheLaunchersFolderCurrent)
{
    std::string launcher;
    ASSERT_TRUE(platform::executablePath(launcher));
    std::string folder = launcher.substr(0, launcher.rfind(platform::pathSeparator()));
    std::string before = platform::currentDirectory();
    TempFolder elsewhere;
    ASSERT_TRUE(platform::setCurrentDirectory(elsewhere.path()));

    LauncherContext context;
    applyWorkingDirOverride(context);
    std::string now = platform::currentDirectory();
    platform::setCurrentDirectory(before);
    EXPECT_EQ(now, folder);
}

}  // namespace
