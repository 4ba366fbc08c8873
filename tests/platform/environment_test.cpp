#include "platform/environment.h"

#include <gtest/gtest.h>

namespace {

TEST(EnvironmentVariable, SetReadAndRemove)
{
    const std::string name = "TARN_TEST_VARIABLE";
    EXPECT_TRUE(platform::setEnvironmentVariable(name, "value with blanks"));
    EXPECT_EQ(platform::environmentVariable(name), "value with blanks");
    EXPECT_TRUE(platform::removeEnvironmentVariable(name));
    EXPECT_EQ(platform::environmentVariable(name), "");
}

TEST(EnvironmentVariable, UnsetGivesEmpty)
{
    EXPECT_EQ(platform::environmentVariable("TARN_TEST_NEVER_SET"), "");
}

TEST(EnvironmentVariable, LongValuesComeBackWhole)
{
    const std::string name = "TARN_TEST_LONG";
    std::string value(1000, 'v');
    ASSERT_TRUE(platform::setEnvironmentVariable(name, value));
    EXPECT_EQ(platform::environmentVariable(name), value);
    platform::removeEnvironmentVariable(name);
}

}  // namespace
