#ifdef _WIN32

#include "tatami2d/app/LogOutput.h"
#include "tatami2d/app/Platform.h"

#include <crtdbg.h>
#include <malloc.h>
#include <windows.h>

namespace tatami2d::platform {
namespace {

void SetConsoleCloseFlag(UINT flag) {
    // A program started from a shell that has no console window of its own gets none: there
    // is then no Close command to grey.
    HWND console = GetConsoleWindow();
    if (console == nullptr) {
        return;
    }
    HMENU menu = GetSystemMenu(console, FALSE);
    EnableMenuItem(menu, SC_CLOSE, flag);
}

} // namespace

void EnableHeapChecks() {
    HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);
    // Only Microsoft's debug C runtime tracks allocations and reports leaks; with any other
    // runtime (mingw-w64's included) these two are empty macros, and ReportLeaks walks the
    // heap instead.
    _CrtSetDbgFlag(_CRTDBG_ALLOC_MEM_DF | _CRTDBG_LEAK_CHECK_DF);
}

void ReportLeaks() {
    _CrtDumpMemoryLeaks();
#if !(defined(_MSC_VER) && defined(_DEBUG))
    // Without a debug heap, the runtime can still check its heap's blocks: damage done during
    // the game is then reported at exit instead of passing unseen.
    const int heap = _heapchk();
    if (heap != _HEAPOK && heap != _HEAPEMPTY) {
        WriteLog({"platform::ReportLeaks, the C runtime's heap is damaged\n"});
    }
#endif
}

// The process heap keeps freed blocks committed on its own.
void RetainFreedHeap() {}

void DisableConsoleClose() {
    SetConsoleCloseFlag(MF_GRAYED);
}

void EnableConsoleClose() {
    SetConsoleCloseFlag(MF_ENABLED);
}

} // namespace tatami2d::platform

#endif
