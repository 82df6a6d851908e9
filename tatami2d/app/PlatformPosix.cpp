#ifndef _WIN32

#include "tatami2d/app/Platform.h"

// A terminal has no system menu and the C library keeps no debug heap: the sanitizer
// build (AddressSanitizer's leak check at exit) takes the place of the leak report.
namespace platform {

void EnableHeapChecks() {}

void ReportLeaks() {}

void DisableConsoleClose() {}

void EnableConsoleClose() {}

} // namespace platform

#endif
