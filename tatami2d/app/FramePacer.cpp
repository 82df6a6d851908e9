#include "tatami2d/app/FramePacer.h"

namespace tatami2d {

FramePacer::FramePacer(Clock::time_point start) : passStart{start} {}

FramePacer::Clock::duration FramePacer::WaitAfterPass(Clock::time_point now, int refreshRate) {
    const int rate = refreshRate > 0 ? refreshRate : 60;
    const Clock::time_point earliestEnd =
        passStart +
        std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds{900'000'000} / rate);
    if (now >= earliestEnd) {
        passStart = now;
        return Clock::duration::zero();
    }
    passStart = earliestEnd;
    return earliestEnd - now;
}

} // namespace tatami2d
