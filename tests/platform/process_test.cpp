#include "platform/process.h"

#include <gtest/gtest.h>

#include "platform/file_names.h"
#include "platform/files.h"

namespace {

TEST(ExecutablePath, IsTheFullPathOfTheRunningProgram)
{
    std::string path;
    ASSERT_TRUE(platform::executablePath(path));
    EXPECT_TRUE(platform::findFirstMatches(path));
    std::string name = path.substr(path.rfind(platform::pathSeparator()) + 1);
    EXPECT_EQ(name.rfind("tarn_unit_tests", 0), 0u) << path;
}

TEST(ProcessStart, GivesEitherAVectorOrACommandLine)
{
    // The system keeps one of the two forms; the launcher splits the second itself.
    std::vector<std::string> vector;
    if (platform::systemArgumentVector(vector)) {
        ASSERT_FALSE(vector.empty());
        EXPECT_NE(vector.front().find("tarn_unit_tests"), std::string::npos);
    } else {
        EXPECT_NE(platform::processCommandLine().find("tarn_unit_tests"), std::string::npos);
    }
}

}  // namespace
