#pragma once

#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/Disc2f.h"
#include "tatami2d/math/Pos2f.h"

namespace tatami2d {

/// \file
/// Containment, overlap and distance tests in world coordinates. Boxes are used as given:
/// a negative width or height is not reordered. NaN coordinates make every comparison
/// false, so a NaN point is in no box and no circle. These compile without SDL or OpenGL.

/// The framework's free functions in world coordinates: drawing (Drawing.h), hit tests and
/// distances (HitTests.h), polygon and ray queries (PolygonQueries.h).
namespace util2d {

/// The Euclidean distance between two points.
///@{
float GetDistance(float x1, float y1, float x2, float y2);
float GetDistance(const Pos2f& p1, const Pos2f& p2);
///@}
/// Distance from p to the nearest point of the segment a-b. A segment shorter than 0.001
/// is treated as its start point a.
float DistPointLineSegment(const Pos2f& p, const Pos2f& a, const Pos2f& b);

/// Inclusive on all four sides: points on an edge or corner are inside.
bool IsPointInRect(const Pos2f& p, const Box2f& r);
/// Inclusive: a point on the circle is inside.
bool IsPointInCircle(const Pos2f& p, const Disc2f& c);

/// Inclusive: boxes that share only an edge or a corner overlap.
bool IsOverlapping(const Box2f& r1, const Box2f& r2);
/// Strict: circles that only touch do not overlap.
bool IsOverlapping(const Disc2f& c1, const Disc2f& c2);
/// The segment a-b meets the circle, touching included.
bool IsOverlapping(const Pos2f& a, const Pos2f& b, const Disc2f& c);
/// The box meets the circle, touching included.
bool IsOverlapping(const Box2f& r, const Disc2f& c);

} // namespace util2d

} // namespace tatami2d
