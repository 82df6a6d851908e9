#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)

#include "tatami2d/app/Platform.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc
#ifdef __GLIBC__
#include <malloc.h>
#endif

// A terminal has no system menu and the C library keeps no debug heap: the sanitizer
// build (AddressSanitizer's leak check at exit) takes the place of the leak report.
namespace tatami2d::platform {

void EnableHeapChecks() {}

void ReportLeaks() {}

void RetainFreedHeap() {
#ifdef __GLIBC__
    // Well above what a frame frees, so the top of the heap is never trimmed mid-game.
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}

void DisableConsoleClose() {}

void EnableConsoleClose() {}

} // namespace tatami2d::platform

#endif
