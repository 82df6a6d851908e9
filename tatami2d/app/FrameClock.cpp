#include "tatami2d/app/FrameClock.h"

#include <algorithm>

namespace tatami2d {

FrameClock::FrameClock(float maxSeconds) : maxSeconds{maxSeconds}, previous{Clock::now()} {}

float FrameClock::Tick() {
    const Clock::time_point now = Clock::now();
    const Clock::duration elapsed = now - previous;
    previous = now;
    return ToClampedSeconds(elapsed, maxSeconds);
}

float FrameClock::ToClampedSeconds(Clock::duration elapsed, float maxSeconds) {
    const float seconds = std::chrono::duration<float>(elapsed).count();
    return std::min(seconds, maxSeconds);
}

} // namespace tatami2d
