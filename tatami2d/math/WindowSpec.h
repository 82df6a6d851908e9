#pragma once

#include <string>

namespace tatami2d {

/// \file
/// The window description handed to Core and to the game.

/// What the window should look like; sizes are floats so the projection can use them
/// exactly while the window itself takes them truncated.
struct WindowSpec {
    /// Copies the title.
    WindowSpec(const std::string& title, float width, float height, bool isVSyncOn)
        : title{title}, width{width}, height{height}, isVSyncOn{isVSyncOn} {}

    std::string title; ///< The window's title.
    float width;       ///< Pixels; the window is this wide, truncated.
    float height;      ///< Pixels; the window is this high, truncated.
    /// True: swaps wait for the display, and start-up fails if it refuses; false: they
    /// do not wait.
    bool isVSyncOn;
};

} // namespace tatami2d
