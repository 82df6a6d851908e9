#pragma once

/// \file
/// Where the game's logical window lands in the window's drawable.

namespace tatami2d {

/// The part of the window's drawable, in drawable pixels from its bottom-left corner, that
/// shows the game's logical window: the WindowSpec's size, in which world units equal pixels.
/// The two differ once a window is resized, full-screen or drawn at high density; until then
/// the area is the whole window and its logical size is the window's own.
struct DrawArea {
    int left;
    int bottom;
    int width;
    int height;
    float logicalWidth;
    float logicalHeight;
};

/// What Core set last; all zero before any Core started.
DrawArea GetDrawArea();
/// Core's alone: keeps the area current as the window changes.
void SetDrawArea(const DrawArea& area);

} // namespace tatami2d
