#pragma once

#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/Disc2f.h"
#include "tatami2d/math/Pos2f.h"
#include "tatami2d/render/HitInfo.h"
#include "tatami2d/render/HitTests.h"

#include <cstddef>
#include <vector>

namespace tatami2d {

/// \file
/// Segment and polygon queries. A polygon is closed (edge i runs from v[i] to v[(i+1) % n])
/// and may wind either way. A segment p1-p2 is parametrised as p1 + lambda * (p2 - p1).
namespace util2d {

/// True when the lines through the two segments cross (parameters unbounded: the caller
/// decides whether the crossing lies on the segments), or when the segments are collinear
/// and share a point, in which case both parameters are set to 0. Distinct parallel lines
/// give false and leave the parameters untouched. Cross products of magnitude epsilon or
/// less count as zero, first for parallel and then for collinear.
bool IntersectLineSegments(const Pos2f& p1, const Pos2f& p2, const Pos2f& q1, const Pos2f& q2,
                           float& outLambda1, float& outLambda2, float epsilon);
/// Both end points count; the tolerance 0.001 on the cross product is absolute.
bool IsPointOnLineSegment(const Pos2f& p, const Pos2f& a, const Pos2f& b);
/// Parameters where the infinite line through p1 and p2 enters and leaves the box; they may
/// lie outside [0, 1]. On false the out-parameters are untouched.
bool IntersectRectLine(const Box2f& r, const Pos2f& p1, const Pos2f& p2, float& intersectMin,
                       float& intersectMax);

/// Even-odd test with a ray to the right. Points on the outline are inside on some edges and
/// outside on others (for a counter-clockwise square: left and top in, right and bottom out).
/// Fewer than two vertices contain nothing.
///@{
bool IsPointInPolygon(const Pos2f& p, const Pos2f* vertices, size_t nrVertices);
bool IsPointInPolygon(const Pos2f& p, const std::vector<Pos2f>& vertices);
///@}

/// The nearest hit of the segment rayP1-rayP2 on the outline, counting hits in (0, 1] on both
/// the ray and the edge: an edge through rayP1 is not hit, one through rayP2 is. Ties go to
/// the lowest edge index. On false hitInfo is untouched. Allocates its list of hits.
///@{
bool Raycast(const Pos2f* vertices, size_t nrVertices, const Pos2f& rayP1, const Pos2f& rayP2,
             HitInfo& hitInfo);
bool Raycast(const std::vector<Pos2f>& vertices, const Pos2f& rayP1, const Pos2f& rayP2,
             HitInfo& hitInfo);
///@}

/// The segment p1-p2 meets the box (an end point inside, or a crossing of its outline).
bool IsOverlapping(const Pos2f& p1, const Pos2f& p2, const Box2f& r);
/// The polygon meets the circle: a vertex inside it, an edge within its radius, or the circle
/// wholly inside. False for no vertices.
///@{
bool IsOverlapping(const Pos2f* vertices, size_t nrVertices, const Disc2f& c);
bool IsOverlapping(const std::vector<Pos2f>& vertices, const Disc2f& c);
///@}

} // namespace util2d

} // namespace tatami2d
