// Run only after tarn-pack has packed this very program with
// configuration.ini under TARN_PROBE_UPGRADE_CODE: the launcher's own
// configuration code then reads the embedded text beneath the file beside it.

#include <gtest/gtest.h>

#include <cstdio>

#include "config/config_file_location.h"
#include "config/config_source.h"
#include "config/configuration_keys.h"
#include "config/embedded_configuration.h"
#include "launch/launcher_context.h"
#include "support/captured_output.h"
#include "support/config_file_beside.h"

namespace {

const std::string kUpgradeCode = TARN_PROBE_UPGRADE_CODE;
const std::string kProduct = "[Product Information]\r\nUpgrade Code=" + kUpgradeCode + "\r\n";

using BesideTheProgram = ConfigFileBesideProgram;

TEST(EmbeddedConfiguration, IsDecipheredWithTheUpgradeCode)
{
    LauncherContext context;
    context.upgradeCode = kUpgradeCode;
    EXPECT_EQ(LoadEmbeddedConfiguration(context),
              "[Java Runtime Environment]\r\nMain Class=example.Hello\r\nVirtual Machine Parameters=-Xmx256m\r\n");
    context.upgradeCode = "{00000000-0000-0000-0000-000000000000}";
    EXPECT_EQ(LoadEmbeddedConfiguration(context).find("Main Class"), std::string::npos);
}

struct LayerCase {
    const char* name;
    std::string file;
    std::string value;  // of "Virtual Machine Parameters"
};

class LayeredOverTheEmbeddedText : public BesideTheProgram, public testing::WithParamInterface<LayerCase> {};

TEST_P(LayeredOverTheEmbeddedText, GivesTheLayeredValue)
{
    write(GetParam().file);
    LauncherContext context;
    context.upgradeCode = readProfileValue(path_, "Product Information", "Upgrade Code");
    ConfigSource source = makeConfigSource(path_, context);
    EXPECT_EQ(lookupValue(source, "Java Runtime Environment", "Virtual Machine Parameters"), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayeredOverTheEmbeddedText,
    testing::Values(
        LayerCase{"embeddedOnly", kProduct, "-Xmx256m"},
        LayerCase{"fileReplaces", kProduct + "[Java Runtime Environment]\r\nVirtual Machine Parameters=-Xmx512m\r\n",
                  "-Xmx512m"},
        LayerCase{"plusSectionAppends",
                  kProduct + "[Java Runtime Environment+]\r\nVirtual Machine Parameters=-Dx=1\r\n", "-Xmx256m-Dx=1 "},
        LayerCase{"wrongUpgradeCodeLeavesTheFileAlone",
                  "[Product Information]\r\nUpgrade Code=wrong\r\n"
                  "[Java Runtime Environment+]\r\nVirtual Machine Parameters=-Dx=1\r\n",
                  "-Dx=1 "}),
    [](const testing::TestParamInfo<LayerCase>& info) { return std::string(info.param.name); });

TEST_F(BesideTheProgram, MainClassOnlyInTheEmbeddedTextIsFound)
{
    write(kProduct);
    LauncherContext context;
    bool read = false;
    EXPECT_EQ(capturedStdout([&] { read = readConfiguration(context); }), "");
    EXPECT_TRUE(read);
    EXPECT_EQ(context.mainClass, "example/Hello");
}

TEST_F(BesideTheProgram, WrongUpgradeCodeReadsAsUnpacked)
{
    write("[Product Information]\r\nUpgrade Code=wrong\r\n");
    LauncherContext context;
    bool read = true;
    EXPECT_EQ(capturedStdout([&] { read = readConfiguration(context); }), kMainClassMissingLine);
    EXPECT_FALSE(read);
}

}  // namespace
