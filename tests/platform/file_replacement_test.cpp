#include "platform/file_replacement.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace {

std::string contentOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(ReplaceFile, PutsTheSourceInPlaceOfAnExistingTarget)
{
    TempFolder folder;
    std::string source = folder.writeFile("new.tmp", "new");
    std::string target = folder.writeFile("tool.exe", "old");
    ASSERT_TRUE(platform::replaceFile(source, target));
    EXPECT_EQ(contentOf(target), "new");
    EXPECT_FALSE(platform::findFirstMatches(source));
}

TEST(ReplaceFile, MissingSourceLeavesTheTargetAlone)
{
    TempFolder folder;
    std::string target = folder.writeFile("tool.exe", "old");
    EXPECT_FALSE(platform::replaceFile(folder.file("missing.tmp"), target));
    EXPECT_EQ(contentOf(target), "old");
}

TEST(CopyFilePermissions, FailsWithoutAModel)
{
    TempFolder folder;
    std::string target = folder.writeFile("tool.exe", "");
    EXPECT_FALSE(platform::copyFilePermissions(folder.file("missing"), target));
    EXPECT_TRUE(platform::copyFilePermissions(target, target));
}

}  // namespace
