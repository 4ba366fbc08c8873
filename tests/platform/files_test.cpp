#include "platform/files.h"

#include <gtest/gtest.h>

#include "platform/file_names.h"
#include "support/temp_folder.h"

namespace {

TEST(FindFirstMatches, FindsFilesAndFoldersOnly)
{
    TempFolder folder;
    std::string file = folder.writeFile("a.ini", "x");
    EXPECT_TRUE(platform::findFirstMatches(file));
    EXPECT_TRUE(platform::findFirstMatches(folder.path()));
    EXPECT_FALSE(platform::findFirstMatches(folder.file("missing.ini")));
    EXPECT_FALSE(platform::findFirstMatches(folder.file("missing") + platform::pathSeparator() + "a.ini"));
}

TEST(CreateDirectory, CreatesOnceAndFailsWhenPresentOrParentMissing)
{
    TempFolder folder;
    std::string created = folder.file("new");
    EXPECT_TRUE(platform::createDirectory(created));
    EXPECT_TRUE(platform::findFirstMatches(created));
    EXPECT_FALSE(platform::createDirectory(created));
    EXPECT_FALSE(platform::createDirectory(folder.file("no") + platform::pathSeparator() + "parent"));
}

TEST(CurrentDirectory, CanBeChangedAndRead)
{
    TempFolder folder;
    std::string before = platform::currentDirectory();
    ASSERT_FALSE(before.empty());
    ASSERT_TRUE(platform::setCurrentDirectory(folder.path()));
    // Compare by content: the system may spell the folder differently
    // (a resolved link, a long name), but a file made there is found here.
    folder.writeFile("marker", "");
    EXPECT_TRUE(platform::findFirstMatches(platform::currentDirectory() + platform::pathSeparator() + "marker"));
    EXPECT_TRUE(platform::setCurrentDirectory(before));
    EXPECT_FALSE(platform::setCurrentDirectory(folder.file("missing")));
    EXPECT_EQ(platform::currentDirectory(), before);
}

}  // namespace
