#pragma once

#include "tatami2d/math/Pos2f.h"
#include "tatami2d/math/Vector2f.h"

// Where a ray segment first meets a polygon outline.
struct HitInfo {
    // Parameter along the ray, in (0, 1].
    float lambda{0.0f};
    Pos2f intersectPoint{};
    // Unit normal of the edge hit: its direction turned a quarter turn counter-clockwise,
    // so it points into a counter-clockwise polygon and out of a clockwise one.
    Vector2f normal{};
};
