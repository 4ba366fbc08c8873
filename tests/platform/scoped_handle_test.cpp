#include "platform/scoped_handle.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> closed;

struct CountingTraits {
    using Handle = int;
    static Handle invalid() noexcept { return -1; }
    static void close(Handle handle) noexcept { closed.push_back(handle); }
};

using Counted = platform::ScopedHandle<CountingTraits>;

TEST(ScopedHandle, ClosesEachHandleExactlyOnce)
{
    closed.clear();
    {
        Counted first(1);
        Counted second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), 1);
        Counted third(3);
        third = std::move(second);  // closes 3, takes 1
        EXPECT_EQ(closed, std::vector<int>{3});
        third.reset(4);  // closes 1
        Counted released(5);
        EXPECT_EQ(released.release(), 5);
        EXPECT_FALSE(released);
    }
    EXPECT_EQ(closed, (std::vector<int>{3, 1, 4}));
}

TEST(ScopedHandle, EmptyHandleClosesNothing)
{
    closed.clear();
    {
        Counted empty;
        EXPECT_FALSE(empty);
        empty.reset();
    }
    EXPECT_TRUE(closed.empty());
}

}  // namespace
