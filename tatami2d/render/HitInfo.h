#pragma once

#include "tatami2d/math/Pos2f.h"
#include "tatami2d/math/Vector2f.h"

namespace tatami2d {

/// \file
/// The result record of util2d::Raycast.

/// Where a ray segment first meets a polygon outline. All zero until a raycast fills it.
struct HitInfo {
    /// Parameter along the ray, in (0, 1]: the hit is rayP1 + lambda * (rayP2 - rayP1).
    float lambda{0.0f};
    Pos2f intersectPoint{}; ///< The hit, in world units.
    /// Unit normal of the edge hit: its direction turned a quarter turn counter-clockwise,
    /// so it points into a counter-clockwise polygon and out of a clockwise one. (0, 0) for
    /// an edge shorter than 0.001.
    Vector2f normal{};
};

} // namespace tatami2d
