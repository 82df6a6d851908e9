#pragma once

#include "tatami2d/app/MouseMapping.h"

#include <SDL.h>

namespace tatami2d {

/// \file
/// The logical window kept in place as the real one changes size, screen or density.

/// Keeps the game's logical window fitted into the window's drawable: the draw area (see
/// GetDrawArea), the viewport on it, the projection of the logical size, drawing confined to
/// the area, and the mapping of the mouse into it. The window must outlive the layout, and
/// its OpenGL context be current.
class WindowLayout {
public:
    /// Lays the logical window out in the window as it is now.
    WindowLayout(SDL_Window* window, float logicalWidth, float logicalHeight);

    /// Lays out again after an event that changed the window's size or display. A minimised
    /// window, with nothing to draw in, keeps the last layout.
    void Follow(const SDL_Event& event);
    /// Clears the bars beside the area black, before a frame is drawn; nothing when the area
    /// fills the drawable. Leaves the clear colour black.
    void ClearBars() const;
    const MouseMapping& Mouse() const { return mouse; }

private:
    void LayOut();

    SDL_Window* window;
    float logicalWidth;
    float logicalHeight;
    MouseMapping mouse;
    bool hasBars;
};

} // namespace tatami2d
