#include "platform/file_replacement.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/temp_folder.h"

namespace {

mode_t permissionsOf(const std::string& path)
{
    struct stat status {};
    stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

// A packed copy of a launcher must stay runnable.
TEST(CopyFilePermissions, CarriesTheExecuteBits)
{
    TempFolder folder;
    std::string model = folder.writeFile("tarn", "");
    std::string target = folder.writeFile("tool", "");
    ASSERT_EQ(chmod(model.c_str(), 0750), 0);
    ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    ASSERT_TRUE(platform::copyFilePermissions(model, target));
    EXPECT_EQ(permissionsOf(target), 0750u);
}

}  // namespace
