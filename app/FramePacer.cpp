#include "app/FramePacer.h"

FramePacer::Duration FramePacer::WaitAfter(Duration passTime, int refreshRate) {
    const int rate = refreshRate > 0 ? refreshRate : 60;
    const auto shortest =
        std::chrono::duration_cast<Duration>(std::chrono::nanoseconds{900'000'000} / rate);
    return passTime < shortest ? shortest - passTime : Duration::zero();
}
