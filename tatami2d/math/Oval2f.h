#pragma once

#include "tatami2d/math/Pos2f.h"

namespace tatami2d {

/// \file
/// The ellipse record.

/// An axis-aligned ellipse given by its centre and two radii, in world units.
struct Oval2f {
    Oval2f() : Oval2f(0.0f, 0.0f, 0.0f, 0.0f) {} ///< Radii 0 at the origin.
    /// Stores the values unchecked: negative radii are kept.
    ///@{
    Oval2f(float x, float y, float radiusX, float radiusY)
        : Oval2f(Pos2f{x, y}, radiusX, radiusY) {}
    Oval2f(const Pos2f& center, float radiusX, float radiusY)
        : center{center}, radiusX{radiusX}, radiusY{radiusY} {}
    ///@}

    Pos2f center;  ///< The centre.
    float radiusX; ///< Half the horizontal extent.
    float radiusY; ///< Half the vertical extent.
};

} // namespace tatami2d
