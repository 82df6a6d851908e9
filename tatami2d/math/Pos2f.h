#pragma once

namespace tatami2d {

/// \file
/// The point record.

/// A point in world units (one unit is one window pixel): origin at the bottom-left of the
/// window, y upwards.
struct Pos2f {
    Pos2f() : Pos2f(0.0f, 0.0f) {}          ///< The origin.
    Pos2f(float x, float y) : x{x}, y{y} {} ///< The point (x, y).

    float x; ///< Rightwards.
    float y; ///< Upwards.
};

} // namespace tatami2d
