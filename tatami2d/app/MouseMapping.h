#pragma once

#include "tatami2d/app/DrawArea.h"

#include <cstdint>

namespace tatami2d {

/// \file
/// From SDL's mouse positions to the game's logical window.

/// Turns a mouse position as SDL gives it (window points from the top-left corner, y down)
/// into the logical window's whole pixels from its bottom-left corner, y up. The logical size
/// counts in whole pixels, truncated, as the mouse has always been mapped: in a window of
/// its own size the result is x unchanged and y as the window height minus y. Positions over
/// the bars map outside 0 to the logical size; each is rounded down to its pixel.
class MouseMapping {
public:
    /// Maps nothing yet: every position becomes 0, 0.
    MouseMapping() = default;
    /// A window of windowWidth x windowHeight points whose drawable, drawableWidth x
    /// drawableHeight pixels (more on a high-density display), shows the logical window in
    /// area. Every size must be above 0.
    MouseMapping(int windowWidth, int windowHeight, int drawableWidth, int drawableHeight,
                 const DrawArea& area);

    /// Replaces SDL's x and y by the logical position.
    void Map(std::int32_t& x, std::int32_t& y) const;

private:
    int windowHeight{};
    double scaleX{};
    double scaleY{};
    double offsetX{};
    double offsetY{};
};

} // namespace tatami2d
