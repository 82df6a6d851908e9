#include "tatami2d/app/FrameClock.h"

#include <thread>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(FrameClock, ElapsedTimeIsClampedToTheMaximum) {
    EXPECT_FLOAT_EQ(FrameClock::ToClampedSeconds(16ms, 0.1f), 0.016f);
    EXPECT_FLOAT_EQ(FrameClock::ToClampedSeconds(100ms, 0.1f), 0.1f);
    EXPECT_FLOAT_EQ(FrameClock::ToClampedSeconds(1h, 0.1f), 0.1f);
    EXPECT_FLOAT_EQ(FrameClock::ToClampedSeconds(0ns, 0.1f), 0.0f);
}

TEST(FrameClock, AStallReachesTheGameAsAtMostTheMaximum) {
    FrameClock clock{0.1f};
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(clock.Tick(), 0.1f);
    const float next = clock.Tick();
    EXPECT_GE(next, 0.0f);
    EXPECT_LT(next, 0.1f) << "each tick measures from the previous one";
}
