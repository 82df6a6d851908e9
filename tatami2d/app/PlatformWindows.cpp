#ifdef _WIN32

#include "tatami2d/app/Platform.h"

#include <crtdbg.h>
#include <windows.h>

namespace tatami2d::platform {
namespace {

void SetConsoleCloseFlag(UINT flag) {
    HWND console = GetConsoleWindow();
    HMENU menu = GetSystemMenu(console, FALSE);
    EnableMenuItem(menu, SC_CLOSE, flag);
}

} // namespace

void EnableHeapChecks() {
    HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);
    _CrtSetDbgFlag(_CRTDBG_ALLOC_MEM_DF | _CRTDBG_LEAK_CHECK_DF);
}

void ReportLeaks() {
    _CrtDumpMemoryLeaks();
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
