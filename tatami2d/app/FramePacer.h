#pragma once

#include <chrono>

namespace tatami2d {

/// \file
/// Pacing of the main loop on displays that ignore vertical sync.

/// Stretches a pass of the main loop that ends early to 90 % of the display's refresh
/// interval. Some displays (virtual X servers, some remote ones) accept a swap interval and
/// then return every swap at once, so a loop that relies on vertical sync spins at hundreds
/// of frames a second. Aiming a little short of the interval keeps a display that does pace
/// in charge: its passes take a whole interval, jitter included, and never wait, and the
/// pacer never runs slower than the display, so it never costs it a refresh.
class FramePacer {
public:
    using Clock = std::chrono::steady_clock; ///< Monotonic: unaffected by clock changes.

    /// The first pass starts at start.
    explicit FramePacer(Clock::time_point start);

    /// Called when a pass (events, update, draw and swap) ends at now, on a display that
    /// refreshes refreshRate times a second (as SDL reports it: 0 when unknown; 0 or less
    /// counts as 60). Returns how long to wait before the next pass, never negative. The next
    /// pass starts when the wait should end, so a late wake-up shortens the wait after it.
    Clock::duration WaitAfterPass(Clock::time_point now, int refreshRate);

private:
    Clock::time_point passStart;
};

} // namespace tatami2d
