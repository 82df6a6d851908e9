#pragma once

namespace tatami2d {

/// \file
/// The axis-aligned rectangle record.

/// An axis-aligned rectangle spanning left..left + width and bottom..bottom + height, in
/// world units. Negative sizes are stored as given; callers decide what they mean.
struct Box2f {
    Box2f() : Box2f(0.0f, 0.0f, 0.0f, 0.0f) {} ///< The empty box at the origin.
    /// Stores the four values unchecked.
    Box2f(float left, float bottom, float width, float height)
        : left{left}, bottom{bottom}, width{width}, height{height} {}

    float left;   ///< x of the left edge.
    float bottom; ///< y of the bottom edge (y grows upwards).
    float width;  ///< Extent to the right of left.
    float height; ///< Extent above bottom.
};

} // namespace tatami2d
