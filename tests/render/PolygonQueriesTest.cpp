#include "render/PolygonQueries.h"

#include "math/Matrix2x3.h"
#include "math/Vector2f.h"
#include "support/AllocationCounter.h"

#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

using namespace util2d;

namespace {

const std::vector<Pos2f> kSquare{{0.0f, 0.0f}, {10.0f, 0.0f}, {10.0f, 10.0f}, {0.0f, 10.0f}};
const Box2f kBox{0.0f, 0.0f, 10.0f, 10.0f};

// A star-shaped polygon of radius 20..100 around a random centre, wound either way.
std::vector<Pos2f> RandomPolygon(std::mt19937& random, size_t n) {
    std::uniform_real_distribution<float> unit{0.0f, 1.0f};
    const Pos2f c{40.0f * unit(random) - 20.0f, 40.0f * unit(random) - 20.0f};
    const float turn = (unit(random) < 0.5f ? -6.2831853f : 6.2831853f) / static_cast<float>(n);
    std::vector<Pos2f> polygon;
    for (size_t k = 0; k < n; ++k) {
        const float angle = (static_cast<float>(k) + 0.8f * unit(random)) * turn;
        const float radius = 20.0f + 80.0f * unit(random);
        polygon.emplace_back(c.x + radius * std::cos(angle), c.y + radius * std::sin(angle));
    }
    return polygon;
}

} // namespace

TEST(PolygonQueries, SegmentIntersectionReportsLineParameters) {
    float l1 = -1.0f, l2 = -1.0f;
    const Pos2f o{0.0f, 0.0f}, ten{10.0f, 0.0f}, low{5.0f, -5.0f}, high{5.0f, 5.0f};
    EXPECT_TRUE(IntersectLineSegments(o, Pos2f{1.0f, 0.0f}, low, high, l1, l2, 1e-6f));
    EXPECT_EQ(l1, 5.0f) << "a crossing beyond the first segment still counts";
    EXPECT_EQ(l2, 0.5f);
    EXPECT_FALSE(IntersectLineSegments(o, ten, Pos2f{0, 1}, Pos2f{10, 1}, l1, l2, 1e-6f));
    EXPECT_EQ(l1, 5.0f) << "parallel lines leave the parameters alone";
    EXPECT_TRUE(IntersectLineSegments(o, ten, Pos2f{5, 0}, Pos2f{15, 0}, l1, l2, 1e-6f));
    EXPECT_FALSE(IntersectLineSegments(o, ten, Pos2f{11, 0}, Pos2f{15, 0}, l1, l2, 1e-6f));
    EXPECT_EQ(l1, 0.0f) << "collinear segments set both parameters to 0";
    EXPECT_TRUE(IsPointOnLineSegment(ten, o, ten));
    EXPECT_FALSE(IsPointOnLineSegment(Pos2f{11.0f, 0.0f}, o, ten));
    EXPECT_FALSE(IsPointOnLineSegment(Pos2f{5.0f, 0.001f}, o, ten));
}

TEST(PolygonQueries, PointInSquareCountsLeftAndTopEdgesOnly) {
    EXPECT_TRUE(IsPointInPolygon(Pos2f{5.0f, 5.0f}, kSquare));
    EXPECT_TRUE(IsPointInPolygon(Pos2f{0.0f, 5.0f}, kSquare));
    EXPECT_TRUE(IsPointInPolygon(Pos2f{5.0f, 10.0f}, kSquare));
    EXPECT_FALSE(IsPointInPolygon(Pos2f{10.0f, 5.0f}, kSquare));
    EXPECT_FALSE(IsPointInPolygon(Pos2f{5.0f, 0.0f}, kSquare));
    EXPECT_FALSE(IsPointInPolygon(Pos2f{0.0f, 0.0f}, kSquare));
}

TEST(PolygonQueries, RaycastCountsHitsInHalfOpenRangeAndOnlyHitsAllocate) {
    HitInfo hit;
    const size_t before = HeapAllocationCount();
    EXPECT_FALSE(Raycast(kSquare, Pos2f{0.0f, 5.0f}, Pos2f{-5.0f, 5.0f}, hit)) << "starts on edge";
    EXPECT_TRUE(IsOverlapping(kSquare, Disc2f{5.0f, 5.0f, 1.0f})) << "wholly inside";
    EXPECT_FALSE(IsOverlapping(kSquare, Disc2f{13.0f, 5.0f, 2.0f}));
    EXPECT_FALSE(IsOverlapping(Pos2f{-5.0f, 5.0f}, Pos2f{-1.0f, 5.0f}, kBox));
    EXPECT_EQ(HeapAllocationCount(), before) << "only a raycast's list of hits allocates";
    EXPECT_EQ(hit.lambda, 0.0f) << "a miss leaves the hit alone";

    ASSERT_TRUE(Raycast(kSquare, Pos2f{-5.0f, -5.0f}, Pos2f{5.0f, 5.0f}, hit));
    EXPECT_EQ(hit.lambda, 0.5f);
    EXPECT_TRUE(hit.normal == Vector2f(1.0f, 0.0f)) << "the edge ending at the corner";
    EXPECT_TRUE(IsOverlapping(Pos2f{-5.0f, 5.0f}, Pos2f{15.0f, 5.0f}, kBox));
    EXPECT_TRUE(IsOverlapping(kSquare, Disc2f{12.0f, 5.0f, 2.0f}));
}

TEST(PolygonQueries, DegenerateInputGivesDefinedResults) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    HitInfo hit;
    // Null with a count of zero: nothing may be read.
    EXPECT_FALSE(IsPointInPolygon(Pos2f{}, nullptr, 0));
    EXPECT_FALSE(Raycast(nullptr, 0, Pos2f{-1.0f, 0.0f}, Pos2f{1.0f, 0.0f}, hit));
    EXPECT_FALSE(IsOverlapping(nullptr, 0, Disc2f{0.0f, 0.0f, 100.0f}));
    const Pos2f single[1]{{0.0f, 0.0f}};
    EXPECT_FALSE(IsPointInPolygon(Pos2f{}, single, 1));
    EXPECT_FALSE(Raycast(single, 1, Pos2f{-1.0f, 0.0f}, Pos2f{1.0f, 0.0f}, hit));
    EXPECT_FALSE(Raycast(kSquare, Pos2f{0.0f, 5.0f}, Pos2f{0.0f, 5.0f}, hit));
    EXPECT_FALSE(Raycast(kSquare, Pos2f{nan, 5.0f}, Pos2f{15.0f, 5.0f}, hit));
    EXPECT_FALSE(IsPointInPolygon(Pos2f{nan, 5.0f}, kSquare));
    EXPECT_FALSE(IsPointInPolygon(Pos2f{5.0f, 5.0f}, {{0, 0}, {inf, 0}, {0, inf}}));

    float entry = -1.0f, exit = -1.0f;
    EXPECT_TRUE(IntersectRectLine(kBox, Pos2f{-5.0f, 5.0f}, Pos2f{-3.0f, 5.0f}, entry, exit));
    EXPECT_EQ(entry, 2.5f);
    EXPECT_EQ(exit, 7.5f);
    // A point strictly inside is a zero-length line through the box: unbounded both ways.
    EXPECT_TRUE(IntersectRectLine(kBox, Pos2f{5.0f, 5.0f}, Pos2f{5.0f, 5.0f}, entry, exit));
    EXPECT_EQ(entry, -inf);
    EXPECT_EQ(exit, inf);
    // Along a vertical side one slab parameter is 0/0; which side wins depends on the
    // argument order of min and max: the left side passes with NaN, the right side misses.
    EXPECT_TRUE(IntersectRectLine(kBox, Pos2f{0.0f, 5.0f}, Pos2f{0.0f, 8.0f}, entry, exit));
    EXPECT_TRUE(std::isnan(entry) && std::isnan(exit));
    EXPECT_FALSE(IntersectRectLine(kBox, Pos2f{10.0f, 5.0f}, Pos2f{10.0f, 8.0f}, entry, exit));
}

TEST(PolygonQueries, RandomRaysHitTheNearestEdgeWithItsUnitNormal) {
    std::mt19937 random{7u};
    std::uniform_real_distribution<float> coord{-150.0f, 150.0f};
    int hits = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const std::vector<Pos2f> poly = RandomPolygon(random, 3 + trial % 20);
        const Pos2f p1{coord(random), coord(random)};
        const Pos2f p2{coord(random), coord(random)};
        HitInfo hit;
        const bool found = Raycast(poly, p1, p2, hit);
        hits += found;
        bool onHitEdge = false;
        for (size_t i = 0; i < poly.size(); ++i) {
            const Pos2f& q1 = poly[i];
            const Pos2f& q2 = poly[(i + 1) % poly.size()];
            // Independent crossing in double; a clear one (away from all ends) must be found
            // and must not lie nearer than the reported hit.
            const double rx = p2.x - p1.x, ry = p2.y - p1.y, qx = q2.x - q1.x, qy = q2.y - q1.y;
            const double den = rx * qy - ry * qx, ax = q1.x - p1.x, ay = q1.y - p1.y;
            const double s = (ax * qy - ay * qx) / den, t = (ax * ry - ay * rx) / den;
            if (std::abs(den) > 1e-9 && s > 1e-3 && s < 1 - 1e-3 && t > 1e-3 && t < 1 - 1e-3) {
                ASSERT_TRUE(found) << "trial " << trial;
                EXPECT_GE(s, hit.lambda - 1e-4) << "trial " << trial;
            }
            onHitEdge =
                onHitEdge || (DistPointLineSegment(hit.intersectPoint, q1, q2) < 1e-2f &&
                              hit.normal.Equals((q2 - q1).Orthogonal().Normalized(), 1e-4f));
        }
        if (found) {
            EXPECT_TRUE(hit.lambda > 0.0f && hit.lambda <= 1.0f) << "trial " << trial;
            EXPECT_LT(DistPointLineSegment(hit.intersectPoint, p1, p2), 1e-2f);
            EXPECT_NEAR(hit.normal.Length(), 1.0f, 1e-5f);
            EXPECT_TRUE(onHitEdge) << "trial " << trial;
        }
    }
    EXPECT_GT(hits, 1000) << "the rays should exercise hits, not only misses";
}

TEST(PolygonQueries, RandomPointsAgreeWithAnIndependentCrossingCount) {
    std::mt19937 random{11u};
    std::uniform_real_distribution<float> coord{-130.0f, 130.0f};
    for (int trial = 0; trial < 3000; ++trial) {
        const std::vector<Pos2f> poly = RandomPolygon(random, 3 + trial % 30);
        const Pos2f p{coord(random), coord(random)};
        bool inside = false;
        bool nearOutline = false;
        for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
            const Pos2f& a = poly[i];
            const Pos2f& b = poly[j];
            nearOutline = nearOutline || DistPointLineSegment(p, a, b) < 1e-2f;
            const double crossX = a.x + (double(b.x) - a.x) * (p.y - a.y) / (double(b.y) - a.y);
            inside ^= (a.y > p.y) != (b.y > p.y) && p.x < crossX;
        }
        if (!nearOutline) {
            EXPECT_EQ(IsPointInPolygon(p, poly), inside) << "trial " << trial;
        }
    }
}

TEST(PolygonQueries, RandomLinesEnterAndLeaveBoxesOnTheBorder) {
    std::mt19937 random{5u};
    std::uniform_real_distribution<float> coord{-50.0f, 50.0f};
    std::uniform_real_distribution<float> size{1.0f, 40.0f};
    for (int trial = 0; trial < 3000; ++trial) {
        const Box2f r{coord(random), coord(random), size(random), size(random)};
        const Pos2f p1{coord(random), coord(random)};
        const Pos2f p2{coord(random), coord(random)};
        const double right = r.left + r.width, top = r.bottom + r.height;
        float entry = 0.0f, exit = 0.0f;
        if (!IntersectRectLine(r, p1, p2, entry, exit)) {
            // A missed box has all four corners on one side of the line.
            int above = 0;
            for (const Pos2f& c : Matrix2x3{}.Transform(r)) {
                above += (p2 - p1).CrossProduct(c - p1) > 0.0f;
            }
            EXPECT_TRUE(above == 0 || above == 4) << "trial " << trial;
            continue;
        }
        for (const float t : {entry, exit}) {
            const double x = p1.x + t * (double(p2.x) - p1.x);
            const double y = p1.y + t * (double(p2.y) - p1.y);
            const double tol = 1e-3;
            EXPECT_TRUE(x > r.left - tol && x < right + tol && y > r.bottom - tol && y < top + tol);
            EXPECT_LT(std::min({std::abs(x - r.left), std::abs(x - right), std::abs(y - r.bottom),
                                std::abs(y - top)}),
                      tol)
                << "trial " << trial;
        }
    }
}
