#pragma once

namespace tatami2d {

class LoopPass;

/// \file
/// Operating-system facilities around the game.

/// Operating-system facilities around the game: the console window's Close command, the heap
/// checks, the wait after a failed start-up and who runs the main loop. On Windows they call
/// the real console and debug-heap functions; elsewhere the console and heap calls do nothing:
/// there is no console menu, and leak checking comes from the sanitizer build. In a browser
/// there is no console at all, and the page's own frames run the loop.
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

/// After a failed start-up, before the program goes on to its end: waits for one character on
/// standard input, where the messages were written. A page has no standard input: there the
/// page shows the messages instead, and nothing waits.
void AwaitKeyAfterFailedStart();

/// In a browser, hands the main loop to the page: pass runs once per animation frame the
/// browser gives back, until a quit, and this call never returns (the pass, the game it drives
/// and the caller's locals live on with the page). Elsewhere returns false at once, for the
/// caller to loop.
bool HandLoopToBrowser(LoopPass& pass);

} // namespace platform

} // namespace tatami2d
