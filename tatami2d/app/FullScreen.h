#pragma once

/// \file
/// Full screen and back while the game runs.

namespace tatami2d {

/// Makes Core's window cover its screen at the desktop's resolution (true) or brings it back
/// to a window (false), at the size it had when it last went full screen; a window that
/// opened full screen (WindowOptions::isFullScreen) gets the size its window system gives.
/// The logical window is laid out again when the new size arrives, usually by the next frame.
/// Returns true when the window is, or is on its way to being, in the state asked for
/// (asking twice is no change); false, after logging the failure (see SetLogSink), when the
/// window could not change, or when there is no running Core's window, its context current.
bool SetFullScreen(bool fullScreen);

/// True while Core's window is full screen; false without a window.
bool IsFullScreen();

} // namespace tatami2d
