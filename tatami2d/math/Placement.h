#pragma once

#include "tatami2d/math/Matrix2x3.h"
#include "tatami2d/math/Pos2f.h"
#include "tatami2d/math/Vector2f.h"

namespace tatami2d {

/// \file
/// Where and how an image is put into the world: position, origin, rotation and scale.

/// How Texture and Sprite draw an image turned, scaled or mirrored. The image is laid out
/// at its own size with its bottom-left corner at (0, 0); origin is a point in that layout
/// (in image pixels, x right, y up: (w / 2, h / 2) is the centre). The image is scaled
/// about the origin, then turned about it, and the origin lands on position. A negative
/// scale mirrors the image across the origin's axis; a zero scale collapses it, and a
/// collapsed image is not drawn.
struct Placement {
    /// Untouched: at the world origin, its own size, upright.
    Placement() : Placement(Pos2f{}) {}
    /// The image's origin at position, turned by rotation radians counter-clockwise and
    /// scaled per axis by scale.
    explicit Placement(const Pos2f& position, const Pos2f& origin = Pos2f{}, float rotation = 0.0f,
                       const Vector2f& scale = Vector2f{1.0f, 1.0f})
        : position{position}, origin{origin}, rotation{rotation}, scale{scale} {}

    /// The same placement as one matrix, from the image's layout into the world: the
    /// translation to position after the rotation after the scaling about the origin.
    Matrix2x3 ToMatrix() const;

    Pos2f position; ///< Where the origin lands, in world units.
    Pos2f origin;   ///< The point of the image that is placed, turned and scaled about.
    float rotation; ///< Radians, counter-clockwise.
    Vector2f scale; ///< Per axis, in the image's own axes; negative mirrors, 1 keeps.
};

} // namespace tatami2d
