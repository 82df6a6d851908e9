#pragma once

#include <chrono>

namespace tatami2d {

/// \file
/// The clamped time between frames.

/// Measures the time between frames on the monotonic clock. The first Tick measures from
/// construction, and no tick reports more than maxSeconds, so a long stall (a dragged
/// window, a debugger break) reaches the game as one bounded step.
class FrameClock {
public:
    using Clock = std::chrono::steady_clock; ///< Monotonic: unaffected by clock changes.

    /// Starts measuring now.
    explicit FrameClock(float maxSeconds);

    /// Seconds since the previous Tick (or construction), at most maxSeconds.
    float Tick();

    /// The duration in seconds, at most maxSeconds.
    static float ToClampedSeconds(Clock::duration elapsed, float maxSeconds);

private:
    float maxSeconds;
    Clock::time_point previous;
};

} // namespace tatami2d
