#include "tatami2d/app/FramePacer.h"

#include <gtest/gtest.h>

using namespace tatami2d;

using namespace std::chrono_literals;

TEST(FramePacer, AnEarlyPassIsStretchedAndAPacedOneNeverWaits) {
    const FramePacer::Clock::time_point t0{};
    // 90 % of a 60 Hz interval is 15 ms; SDL's 0 (unknown) counts as 60 Hz.
    FramePacer pacer{t0};
    EXPECT_EQ(pacer.WaitAfterPass(t0 + 5ms, 60), 10ms);
    // Woken 3 ms late, at 18 ms: the next pass counts from 15 ms, so it waits 3 ms less.
    EXPECT_EQ(pacer.WaitAfterPass(t0 + 25ms, 0), 5ms);
    EXPECT_EQ(pacer.WaitAfterPass(t0 + 32ms, 144), 4250us);
    EXPECT_EQ(FramePacer{t0}.WaitAfterPass(t0, 1), 900ms) << "once a second is a rate too";
    // A pass that vsync paced comes out near 16.7 ms give or take jitter: waiting now would
    // push the next swap past a refresh and halve the frame rate.
    FramePacer paced{t0};
    EXPECT_EQ(paced.WaitAfterPass(t0 + 16500us, 60), 0ms);
    EXPECT_EQ(paced.WaitAfterPass(t0 + 31500us, 60), 0ms);
}
