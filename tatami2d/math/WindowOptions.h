#pragma once

namespace tatami2d {

/// \file
/// What a window may do beyond the fixed window a WindowSpec describes.

/// Options for the window beside its WindowSpec, all off by default: with none, the window is
/// the fixed one a WindowSpec alone gives. Whatever the window's size, the game keeps drawing
/// and receiving the mouse in the WindowSpec's size, its logical window: Core scales it to fit
/// the window with its shape kept, centred, with black bars where the shapes differ, also when
/// the window is smaller than the logical size.
struct WindowOptions {
    /// The player may resize the window; it opens at the WindowSpec's size.
    bool isResizable = false;
    /// The window opens full screen, at the desktop's own resolution (see SetFullScreen to
    /// switch at run time).
    bool isFullScreen = false;
    /// On a high-density display, the window is drawn at the display's own pixels (its
    /// drawable is then larger than its size in window points) rather than scaled up.
    bool isHighDensity = false;
};

} // namespace tatami2d
