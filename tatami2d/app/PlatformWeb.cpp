#ifdef __EMSCRIPTEN__

#include "tatami2d/app/LoopPass.h"
#include "tatami2d/app/Platform.h"

#include <emscripten.h>

// A page has no console, no heap of the operating system's and no loop of its own: the
// browser calls back once per frame.
namespace tatami2d::platform {

void EnableHeapChecks() {}

void ReportLeaks() {}

void RetainFreedHeap() {}

void DisableConsoleClose() {}

void EnableConsoleClose() {}

void AwaitKeyAfterFailedStart() {
    // The page's script shows what went to standard error so far, and says it stopped.
    emscripten_run_script("if (Module.showFailedStart) Module.showFailedStart();");
}

bool HandLoopToBrowser(LoopPass& pass) {
    // Frames at the browser's own pace (0: each animation frame). Simulating an endless loop
    // leaves the caller's stack as it is, so pass and the game it drives stay valid.
    emscripten_set_main_loop_arg(
        [](void* running) {
            if (!static_cast<LoopPass*>(running)->Run()) {
                emscripten_cancel_main_loop();
            }
        },
        &pass, 0, 1);
    return true;
}

} // namespace tatami2d::platform

#endif
