#pragma once

namespace tatami2d {

/// \file
/// Operating-system facilities around the game.

/// Operating-system facilities around the game: the console window's Close command and
/// the heap checks. On Windows they call the real console and debug-heap functions;
/// elsewhere they do nothing: there is no console menu, and leak checking comes from the
/// sanitizer build.
namespace platform {

/// Terminate on heap corruption and track allocations for a leak check at exit.
void EnableHeapChecks();

/// Print the debug heap's leak report, if the platform keeps one.
void ReportLeaks();

/// Keep freed heap memory in the process for reuse rather than handing it back to the
/// system at each free. A software renderer frees and re-takes its per-frame buffers, and
/// memory handed back costs a page fault per page every frame. Behind the public
/// RetainFreedHeap, which a program calls if it wants it.
void RetainFreedHeap();

/// Grey out (or enable again) the Close command of the console window's system menu,
/// so the console cannot be closed under a running game. Core does both.
///@{
void DisableConsoleClose();
void EnableConsoleClose();
///@}

} // namespace platform

} // namespace tatami2d
