#include <gtest/gtest.h>

#include "platform/Clock.h"

namespace {

TEST(VirtualClockTest, SleepAdvancesTickAndIsRecordedInOrder) {
    platform::VirtualClock clock(1000);
    platform::ScopedClockOverride use(clock);

    EXPECT_EQ(platform::GetTickCount(), 1000u);
    platform::Sleep(100);
    platform::Sleep(8);
    platform::Sleep(0);
    EXPECT_EQ(platform::GetTickCount(), 1108u);
    EXPECT_EQ(clock.sleeps(), (std::vector<std::uint32_t>{100, 8, 0}));
    EXPECT_EQ(clock.totalSleptMs(), 108u);
}

TEST(VirtualClockTest, TickWrapsAroundLikeA32BitCounter) {
    platform::VirtualClock clock(0xFFFFFFF0u);
    platform::ScopedClockOverride use(clock);
    platform::Sleep(0x20);
    EXPECT_EQ(platform::GetTickCount(), 0x10u);
}

TEST(RealClockTest, SleepWaitsAtLeastTheRequestedTime) {
    const std::uint32_t before = platform::GetTickCount();
    platform::Sleep(20);
    const std::uint32_t elapsed = platform::GetTickCount() - before;
    EXPECT_GE(elapsed, 20u);
    EXPECT_LT(elapsed, 1000u);
}

TEST(RealClockTest, OverrideEndsWithItsScope) {
    {
        platform::VirtualClock clock(5);
        platform::ScopedClockOverride use(clock);
        EXPECT_EQ(platform::GetTickCount(), 5u);
    }
    const std::uint32_t before = platform::GetTickCount();
    platform::Sleep(5);
    EXPECT_GE(platform::GetTickCount() - before, 5u);
}

}  // namespace
