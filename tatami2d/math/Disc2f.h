#pragma once

#include "tatami2d/math/Pos2f.h"

namespace tatami2d {

/// \file
/// The circle record.

/// A circle given by its centre and radius, in world units.
struct Disc2f {
    Disc2f() : Disc2f(0.0f, 0.0f, 0.0f) {} ///< Radius 0 at the origin.
    /// Stores the values unchecked: a negative radius is kept.
    ///@{
    Disc2f(float x, float y, float radius) : Disc2f(Pos2f{x, y}, radius) {}
    Disc2f(const Pos2f& center, float radius) : center{center}, radius{radius} {}
    ///@}

    Pos2f center; ///< The centre.
    float radius; ///< The radius.
};

} // namespace tatami2d
