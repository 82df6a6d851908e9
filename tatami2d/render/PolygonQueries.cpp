#include "tatami2d/render/PolygonQueries.h"

#include "tatami2d/math/Vector2f.h"

#include <algorithm>
#include <cmath>

namespace tatami2d {

namespace util2d {

namespace {

// Tolerance handed to the segment intersection by the polygon and ray queries.
constexpr float kIntersectEpsilon = 1e-6f;

// Bounding box of a segment, built so that width and height are never negative.
Box2f SegmentBounds(const Pos2f& a, const Pos2f& b) {
    const float left = std::min(a.x, b.x);
    const float bottom = std::min(a.y, b.y);
    return Box2f{left, bottom, std::max(a.x, b.x) - left, std::max(a.y, b.y) - bottom};
}

bool IsInHalfOpenUnit(float lambda) {
    return lambda > 0.0f && lambda <= 1.0f;
}

} // namespace

bool IntersectLineSegments(const Pos2f& p1, const Pos2f& p2, const Pos2f& q1, const Pos2f& q2,
                           float& outLambda1, float& outLambda2, float epsilon) {
    const Vector2f p1p2{p1, p2};
    const Vector2f q1q2{q1, q2};
    const float denominator = p1p2.CrossProduct(q1q2);
    const Vector2f p1q1{p1, q1};
    if (std::abs(denominator) > epsilon) {
        outLambda1 = p1q1.CrossProduct(q1q2) / denominator;
        outLambda2 = p1q1.CrossProduct(p1p2) / denominator;
        return true;
    }
    if (std::abs(p1q1.CrossProduct(q1q2)) > epsilon) {
        return false;
    }
    outLambda1 = 0.0f;
    outLambda2 = 0.0f;
    return IsPointOnLineSegment(p1, q1, q2) || IsPointOnLineSegment(p2, q1, q2) ||
           IsPointOnLineSegment(q1, p1, p2) || IsPointOnLineSegment(q2, p1, p2);
}

bool IsPointOnLineSegment(const Pos2f& p, const Pos2f& a, const Pos2f& b) {
    const Vector2f ap{a, p};
    const Vector2f bp{b, p};
    if (std::abs(ap.CrossProduct(bp)) > 0.001f) {
        return false;
    }
    return !(ap.DotProduct(bp) > 0.0f);
}

bool IntersectRectLine(const Box2f& r, const Pos2f& p1, const Pos2f& p2, float& intersectMin,
                       float& intersectMax) {
    const float dx = p2.x - p1.x;
    const float dy = p2.y - p1.y;
    // A line parallel to an axis divides by zero on purpose: the infinite slab parameters
    // then leave the other axis in charge.
    const float x1 = (r.left - p1.x) / dx;
    const float x2 = (r.left + r.width - p1.x) / dx;
    const float y1 = (r.bottom - p1.y) / dy;
    const float y2 = (r.bottom + r.height - p1.y) / dy;
    // The argument order decides which value wins when one of them is NaN.
    const float entry = std::max(std::min(x1, x2), std::min(y1, y2));
    const float exit = std::min(std::max(x1, x2), std::max(y1, y2));
    if (entry > exit) {
        return false;
    }
    intersectMin = entry;
    intersectMax = exit;
    return true;
}

bool IsPointInPolygon(const Pos2f& p, const Pos2f* vertices, size_t nrVertices) {
    if (nrVertices < 2) {
        return false;
    }
    float smallX = vertices[0].x;
    float largeX = vertices[0].x;
    float smallY = vertices[0].y;
    float largeY = vertices[0].y;
    for (size_t i = 1; i < nrVertices; ++i) {
        const Pos2f& v = vertices[i];
        if (v.x < smallX) {
            smallX = v.x;
        }
        if (v.x > largeX) {
            largeX = v.x;
        }
        if (v.y < smallY) {
            smallY = v.y;
        }
        if (v.y > largeY) {
            largeY = v.y;
        }
    }
    if (p.x < smallX || p.x > largeX || p.y < smallY || p.y > largeY) {
        return false;
    }

    const Pos2f p2{largeX + 10.0f, p.y};
    size_t count = 0;
    float lambda1 = 0.0f;
    float lambda2 = 0.0f;
    for (size_t i = 0; i < nrVertices; ++i) {
        const Pos2f& q1 = vertices[i];
        const Pos2f& q2 = vertices[(i + 1) % nrVertices];
        // Half-open on both: a ray through a vertex counts only the edge ending there, and a
        // crossing at p itself does not count.
        if (IntersectLineSegments(q1, q2, p, p2, lambda1, lambda2, kIntersectEpsilon) &&
            IsInHalfOpenUnit(lambda1) && IsInHalfOpenUnit(lambda2)) {
            ++count;
        }
    }
    return count % 2 == 1;
}

bool IsPointInPolygon(const Pos2f& p, const std::vector<Pos2f>& vertices) {
    return IsPointInPolygon(p, vertices.data(), vertices.size());
}

bool Raycast(const Pos2f* vertices, size_t nrVertices, const Pos2f& rayP1, const Pos2f& rayP2,
             HitInfo& hitInfo) {
    if (nrVertices == 0) {
        return false;
    }
    const Box2f r1 = SegmentBounds(rayP1, rayP2);
    std::vector<HitInfo> hits;
    for (size_t i = 0; i < nrVertices; ++i) {
        const Pos2f& q1 = vertices[i];
        const Pos2f& q2 = vertices[(i + 1) % nrVertices];
        // The box test is cheap and inclusive, so axis-parallel edges and rays still pass.
        if (!IsOverlapping(r1, SegmentBounds(q1, q2))) {
            continue;
        }
        float lambda1 = 0.0f;
        float lambda2 = 0.0f;
        if (IntersectLineSegments(rayP1, rayP2, q1, q2, lambda1, lambda2, kIntersectEpsilon) &&
            IsInHalfOpenUnit(lambda1) && IsInHalfOpenUnit(lambda2)) {
            HitInfo linesHitInfo;
            linesHitInfo.lambda = lambda1;
            linesHitInfo.intersectPoint = Pos2f{rayP1.x + (rayP2.x - rayP1.x) * lambda1,
                                                rayP1.y + (rayP2.y - rayP1.y) * lambda1};
            linesHitInfo.normal = Vector2f{q1, q2}.Orthogonal().Normalized(0.001f);
            hits.push_back(linesHitInfo);
        }
    }
    if (hits.empty()) {
        return false;
    }
    // min_element keeps the first of equal values, so the lowest edge index wins a tie.
    hitInfo = *std::min_element(hits.begin(), hits.end(), [](const HitInfo& a, const HitInfo& b) {
        return a.lambda < b.lambda;
    });
    return true;
}

bool Raycast(const std::vector<Pos2f>& vertices, const Pos2f& rayP1, const Pos2f& rayP2,
             HitInfo& hitInfo) {
    return Raycast(vertices.data(), vertices.size(), rayP1, rayP2, hitInfo);
}

bool IsOverlapping(const Pos2f& p1, const Pos2f& p2, const Box2f& r) {
    if (IsPointInRect(p1, r) || IsPointInRect(p2, r)) {
        return true;
    }
    const float right = r.left + r.width;
    const float top = r.bottom + r.height;
    const Pos2f vertices[4]{Pos2f{r.left, r.bottom}, Pos2f{right, r.bottom}, Pos2f{right, top},
                            Pos2f{r.left, top}};
    HitInfo hitInfo;
    return Raycast(vertices, 4, p1, p2, hitInfo);
}

bool IsOverlapping(const Pos2f* vertices, size_t nrVertices, const Disc2f& c) {
    for (size_t i = 0; i < nrVertices; ++i) {
        if (IsPointInCircle(vertices[i], c)) {
            return true;
        }
    }
    for (size_t i = 0; i < nrVertices; ++i) {
        if (DistPointLineSegment(c.center, vertices[i], vertices[(i + 1) % nrVertices]) <=
            c.radius) {
            return true;
        }
    }
    return IsPointInPolygon(c.center, vertices, nrVertices);
}

bool IsOverlapping(const std::vector<Pos2f>& vertices, const Disc2f& c) {
    return IsOverlapping(vertices.data(), vertices.size(), c);
}

} // namespace util2d

} // namespace tatami2d
