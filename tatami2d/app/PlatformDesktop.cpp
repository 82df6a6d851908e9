#ifndef __EMSCRIPTEN__

#include "tatami2d/app/Platform.h"

#include <iostream>

// A desktop program has the console it was started from, and runs its own loop.
namespace tatami2d::platform {

void AwaitKeyAfterFailedStart() {
    std::cin.get();
}

bool HandLoopToBrowser(LoopPass& /*pass*/) {
    return false;
}

} // namespace tatami2d::platform

#endif
