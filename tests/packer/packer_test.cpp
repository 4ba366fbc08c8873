#include "tools/packer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/temp_folder.h"
#include "tools/file_io.h"

namespace {

const std::string kUpgradeCode = "{8D3A2F8C-1B6E-4C5D-9A7F-2E4B6C8D0A1F}";
const std::string kLinuxLauncher = std::string("\x7F" "ELF\x02\x01\x01", 7) + " the rest of a launcher";

class PackerFiles : public testing::Test {
protected:
    TempFolder folder;
    std::string launcher = folder.writeFile("tool", kLinuxLauncher);
    std::string ini = folder.writeFile("tool.ini", "[Application]\nMain Class=Hello\n");

    std::vector<std::string> filesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(PackerFiles, PacksALauncherOntoItselfAndShowsTheText)
{
    std::string error;
    ASSERT_TRUE(packer::packLauncher({launcher, ini, kUpgradeCode, "pass", launcher}, error)) << error;
    std::u16string text;
    ASSERT_TRUE(packer::showConfiguration(launcher, kUpgradeCode, text, error)) << error;
    EXPECT_EQ(text, u"[Application]\r\nMain Class=Hello\r\n");
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"tool", "tool.ini"}));
}

TEST_F(PackerFiles, LeavesNothingBehindWhenTheOutputCannotTakeItsPlace)
{
    std::string output = folder.file("occupied");
    std::filesystem::create_directory(output);
    std::string error;
    EXPECT_FALSE(packer::packLauncher({launcher, ini, kUpgradeCode, "pass", output}, error));
    EXPECT_EQ(error, output + ": cannot write the packed launcher");
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"occupied", "tool", "tool.ini"}));
    packer::Bytes unchanged;
    ASSERT_TRUE(packer::readWholeFile(launcher, unchanged));
    EXPECT_EQ(std::string(unchanged.begin(), unchanged.end()), kLinuxLauncher);
}

TEST_F(PackerFiles, ShowSaysSoWhenThereIsNoEmbeddedConfiguration)
{
    std::u16string text = u"untouched";
    std::string error;
    EXPECT_FALSE(packer::showConfiguration(launcher, kUpgradeCode, text, error));
    EXPECT_EQ(error, launcher + ": carries no embedded configuration");
    EXPECT_EQ(text, u"untouched");
}

}  // namespace
