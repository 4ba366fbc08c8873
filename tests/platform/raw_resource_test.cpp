#include "platform/raw_resource.h"

#include <gtest/gtest.h>

namespace {

// The test program is never packed: it carries neither embedded resource.
TEST(LoadRawResource, AnExecutableWithoutTheResourceGivesNothing)
{
    for (std::uint16_t id : {8000, 9000}) {
        std::vector<std::uint8_t> bytes{1, 2, 3};
        EXPECT_FALSE(platform::loadRawResource(id, bytes)) << id;
        EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 2, 3})) << id;
    }
}

}  // namespace
