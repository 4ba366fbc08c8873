#include "platform/thread.h"

#include <gtest/gtest.h>

#include "platform/event.h"

namespace {

std::uint32_t returnParameter(void* parameter)
{
    return *static_cast<std::uint32_t*>(parameter);
}

TEST(Thread, ItsBodyRunsAndItsResultIsTheExitCode)
{
    for (std::uint32_t code : {0u, 1u, 7u, 0xFFFFFFFFu}) {
        platform::KernelHandle thread = platform::startThread(returnParameter, &code, 0);
        ASSERT_TRUE(thread);
        std::uint32_t exitCode = 12345;
        ASSERT_TRUE(platform::waitForThread(thread, exitCode));
        EXPECT_EQ(exitCode, code);
    }
}

// Frames of 64 KiB, each touched, to a depth that the default stack of
// either system (1 or 2 MiB on Windows, 8 MiB on Linux) cannot hold.
constexpr int kFrameBytes = 64 * 1024;
constexpr int kDeepFrames = 24 * 1024 * 1024 / kFrameBytes;

int useStack(int depth)
{
    volatile char frame[kFrameBytes];
    frame[0] = static_cast<char>(depth);
    frame[kFrameBytes - 1] = static_cast<char>(depth);
    if (depth == 0) {
        return frame[0];
    }
    return useStack(depth - 1) + frame[kFrameBytes - 1] - frame[0];
}

std::uint32_t useDeepStack(void*)
{
    return static_cast<std::uint32_t>(useStack(kDeepFrames) + 3);
}

TEST(Thread, GetsTheStackSizeItAsksFor)
{
    platform::KernelHandle thread = platform::startThread(useDeepStack, nullptr, 32u * 1024 * 1024);
    ASSERT_TRUE(thread);
    std::uint32_t exitCode = 0;
    ASSERT_TRUE(platform::waitForThread(thread, exitCode));
    EXPECT_EQ(exitCode, 3u);
}

// Sizes that are not whole pages, or below what the system's threads need,
// still give a thread.
TEST(Thread, StartsWithSmallAndUnevenStackSizes)
{
    for (std::uint32_t size : {1u, 4096u, 5000u, 65537u}) {
        std::uint32_t code = size;
        platform::KernelHandle thread = platform::startThread(returnParameter, &code, size);
        ASSERT_TRUE(thread) << size;
        std::uint32_t exitCode = 0;
        ASSERT_TRUE(platform::waitForThread(thread, exitCode));
        EXPECT_EQ(exitCode, size);
    }
}

TEST(Thread, WaitingTwiceGivesTheSameCode)
{
    std::uint32_t code = 42;
    platform::KernelHandle thread = platform::startThread(returnParameter, &code, 0);
    ASSERT_TRUE(thread);
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    ASSERT_TRUE(platform::waitForThread(thread, first));
    ASSERT_TRUE(platform::waitForThread(thread, second));
    EXPECT_EQ(first, 42u);
    EXPECT_EQ(second, 42u);
}

std::uint32_t signalThenReturn(void* parameter)
{
    return platform::signalEvent(*static_cast<platform::KernelHandle*>(parameter)) ? 0 : 1;
}

TEST(Event, IsRaisedByAnotherThreadAndStaysRaised)
{
    platform::KernelHandle event = platform::createEvent();
    ASSERT_TRUE(event);
    EXPECT_FALSE(platform::waitForEvent(event, 0));

    platform::KernelHandle thread = platform::startThread(signalThenReturn, &event, 0);
    ASSERT_TRUE(thread);
    EXPECT_TRUE(platform::waitForEvent(event, 10000));
    EXPECT_TRUE(platform::waitForEvent(event, 0));
    std::uint32_t exitCode = 1;
    ASSERT_TRUE(platform::waitForThread(thread, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(Event, AWaitWithoutSignalTimesOut)
{
    platform::KernelHandle event = platform::createEvent();
    ASSERT_TRUE(event);
    EXPECT_FALSE(platform::waitForEvent(event, 50));
}

}  // namespace
