#pragma once

#include <chrono>

// Some displays (virtual X servers, some remote ones) accept a swap interval and then
// return every swap at once, so a loop that relies on vertical sync spins at hundreds of
// frames a second. The pacer stretches a pass of the loop that ends early to 90 % of the
// display's refresh interval. Aiming a little short of the interval keeps a display that
// does pace in charge: its passes take a whole interval, jitter included, and never wait,
// and the pacer never runs slower than the display and never costs it a refresh.
class FramePacer {
public:
    using Duration = std::chrono::steady_clock::duration;

    // How long to wait after a pass (events, update, draw and swap) that took passTime, on a
    // display that refreshes refreshRate times a second (as SDL reports it: 0 when unknown,
    // which counts as 60). Never negative.
    static Duration WaitAfter(Duration passTime, int refreshRate);
};
