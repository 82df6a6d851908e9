#include "tatami2d/render/HitTests.h"

#include "tatami2d/math/Vector2f.h"

#include <cmath>

namespace tatami2d {

namespace util2d {

float GetDistance(float x1, float y1, float x2, float y2) {
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

float GetDistance(const Pos2f& p1, const Pos2f& p2) {
    return GetDistance(p1.x, p1.y, p2.x, p2.y);
}

float DistPointLineSegment(const Pos2f& p, const Pos2f& a, const Pos2f& b) {
    const Vector2f ab{a, b};
    const Vector2f ap{a, p};
    const Vector2f abNorm = ab.Normalized(0.001f);
    // Signed distance of p's projection from a along the segment.
    const float distToA = abNorm.DotProduct(ap);
    if (distToA < 0.0f) {
        return ap.Length();
    }
    if (distToA > ab.Length()) {
        return (p - b).Length();
    }
    const Pos2f intersection = a + distToA * abNorm;
    return (p - intersection).Length();
}

bool IsPointInRect(const Pos2f& p, const Box2f& r) {
    return p.x >= r.left && r.left + r.width >= p.x && p.y >= r.bottom &&
           r.bottom + r.height >= p.y;
}

bool IsPointInCircle(const Pos2f& p, const Disc2f& c) {
    const float dx = p.x - c.center.x;
    const float dy = p.y - c.center.y;
    return c.radius * c.radius >= dx * dx + dy * dy;
}

bool IsOverlapping(const Box2f& r1, const Box2f& r2) {
    if (r2.left > r1.left + r1.width) {
        return false;
    }
    if (r1.left > r2.left + r2.width) {
        return false;
    }
    if (r1.bottom > r2.bottom + r2.height) {
        return false;
    }
    if (r2.bottom > r1.bottom + r1.height) {
        return false;
    }
    return true;
}

bool IsOverlapping(const Disc2f& c1, const Disc2f& c2) {
    const float dx = c1.center.x - c2.center.x;
    const float dy = c1.center.y - c2.center.y;
    const float reach = c1.radius + c2.radius;
    return reach * reach > dx * dx + dy * dy;
}

bool IsOverlapping(const Pos2f& a, const Pos2f& b, const Disc2f& c) {
    return DistPointLineSegment(c.center, a, b) <= c.radius;
}

bool IsOverlapping(const Box2f& r, const Disc2f& c) {
    if (IsPointInRect(c.center, r)) {
        return true;
    }
    const float right = r.left + r.width;
    const float top = r.bottom + r.height;
    const Pos2f leftBottom{r.left, r.bottom};
    const Pos2f leftTop{r.left, top};
    const Pos2f rightBottom{right, r.bottom};
    const Pos2f rightTop{right, top};
    return DistPointLineSegment(c.center, leftBottom, leftTop) <= c.radius ||
           DistPointLineSegment(c.center, leftBottom, rightBottom) <= c.radius ||
           DistPointLineSegment(c.center, rightTop, leftTop) <= c.radius ||
           DistPointLineSegment(c.center, rightTop, rightBottom) <= c.radius;
}

} // namespace util2d

} // namespace tatami2d
