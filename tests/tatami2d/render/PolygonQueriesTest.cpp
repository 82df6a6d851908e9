#include "tatami2d/render/PolygonQueries.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

using namespace tatami2d;

using namespace util2d;

const std::vector<Pos2f> kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const Box2f kBox{0, 0, 10, 10};
const Pos2f kOnePoint[1]{}, kNan{std::nanf(""), 5.0f};

TEST(PolygonQueries, SegmentAndBoxIntersectionsReportLineParameters) {
    float l1 = -1.0f, l2 = -1.0f;
    const Pos2f a{0.0f, 0.0f}, b{10.0f, 0.0f};
    EXPECT_TRUE(IntersectLineSegments(a, Pos2f{1, 0}, Pos2f{5, -5}, Pos2f{5, 5}, l1, l2, 1e-6f));
    EXPECT_TRUE(l1 == 5.0f && l2 == 0.5f) << "a crossing beyond the first segment still counts";
    EXPECT_FALSE(IntersectLineSegments(a, b, Pos2f{0, 1}, Pos2f{10, 1}, l1, l2, 1e-6f));
    EXPECT_FALSE(IntersectRectLine(kBox, Pos2f{-5, 30}, Pos2f{30, -5}, l1, l2));
    EXPECT_EQ(l1, 5.0f) << "parallel lines and a missed box leave the parameters alone";
    EXPECT_TRUE(IntersectLineSegments(a, b, Pos2f{5, 0}, Pos2f{15, 0}, l1, l2, 1e-6f));
    EXPECT_TRUE(l1 == 0.0f && l2 == 0.0f) << "collinear segments set both parameters to 0";
    EXPECT_FALSE(IntersectLineSegments(a, b, Pos2f{11, 0}, Pos2f{15, 0}, l1, l2, 1e-6f));
    EXPECT_TRUE(IsPointOnLineSegment(b, a, b));
    EXPECT_FALSE(IsPointOnLineSegment({11, 0}, a, b) || IsPointOnLineSegment({10.01f, 0}, a, b) ||
                 IsPointOnLineSegment({5, 0.001f}, a, b));
    EXPECT_TRUE(IntersectRectLine(kBox, Pos2f{-5, 5}, Pos2f{-3, 5}, l1, l2));
    EXPECT_TRUE(l1 == 2.5f && l2 == 7.5f) << "where the box's infinite line enters and leaves";
    EXPECT_TRUE(IntersectRectLine(kBox, {5, -5}, {5, 15}, l1, l2) && l1 == 0.25f && l2 == 0.75f);
    EXPECT_TRUE(IntersectRectLine(kBox, Pos2f{0, 20}, Pos2f{20, 0}, l1, l2));
    EXPECT_TRUE(l1 == 0.5f && l2 == 0.5f) << "touching a corner";
}

TEST(PolygonQueries, PointInSquareCountsLeftAndTopEdgesOnly) {
    EXPECT_TRUE(IsPointInPolygon(Pos2f{0, 5}, kSquare) && IsPointInPolygon(Pos2f{5, 10}, kSquare));
    const std::vector<Pos2f> clockwise{{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    EXPECT_TRUE(IsPointInPolygon(Pos2f{5, 0}, clockwise)) << "wound the other way";
    // Each vertex in turn first, as the polygon's only extreme in its direction.
    std::vector<Pos2f> diamond{{0, 5}, {5, 0}, {10, 5}, {5, 10}};
    for (const Pos2f nearFirst : {Pos2f{1, 5}, Pos2f{5, 1}, Pos2f{9, 5}, Pos2f{5, 9}}) {
        EXPECT_TRUE(IsPointInPolygon(nearFirst, diamond)) << nearFirst.x << "," << nearFirst.y;
        std::rotate(diamond.begin(), diamond.begin() + 1, diamond.end());
    }
    EXPECT_FALSE(IsPointInPolygon(Pos2f{10, 5}, kSquare) || IsPointInPolygon(Pos2f{5, 0}, kSquare));
    EXPECT_FALSE(IsPointInPolygon(Pos2f{0, 0}, kSquare) || IsPointInPolygon(kNan, kSquare));
    EXPECT_FALSE(IsPointInPolygon(Pos2f{}, nullptr, 0) || IsPointInPolygon(Pos2f{}, kOnePoint, 1));
}

TEST(PolygonQueries, RaycastTakesTheNearestHitInTheHalfOpenRange) {
    HitInfo hit{0.5f}; // not the default, so that a miss resetting it shows
    EXPECT_FALSE(Raycast(kSquare, Pos2f{0, 5}, Pos2f{-5, 5}, hit)) << "starts on an edge";
    EXPECT_FALSE(Raycast(nullptr, 0, Pos2f{-1, 0}, Pos2f{1, 0}, hit));
    EXPECT_FALSE(Raycast(kOnePoint, 1, Pos2f{-1, 0}, Pos2f{1, 0}, hit));
    EXPECT_FALSE(Raycast(kSquare, kNan, Pos2f{15, 5}, hit));
    EXPECT_EQ(hit.lambda, 0.5f) << "a miss leaves the hit alone";
    EXPECT_TRUE(Raycast(kSquare, Pos2f{-5, 5}, Pos2f{0, 5}, hit) && hit.lambda == 1.0f);
    EXPECT_TRUE(Raycast(kSquare, Pos2f{-5, 5}, Pos2f{15, 5}, hit) && hit.lambda == 0.25f)
        << "the nearer crossing, not the lower edge index";
    EXPECT_TRUE(Raycast(kSquare, Pos2f{-5, -5}, Pos2f{5, 5}, hit) && hit.lambda == 0.5f);
    EXPECT_TRUE(hit.normal == Vector2f(1.0f, 0.0f)) << "the edge ending at the corner";
    const std::vector<Pos2f> bowTie{{0, 0}, {10, 10}, {10, 0}, {0, 10}};
    EXPECT_TRUE(Raycast(bowTie, Pos2f{5, -5}, Pos2f{5, 15}, hit) &&
                hit.normal == Vector2f(-0.70710677f, 0.70710677f))
        << "edges 0 and 2 cross on the ray: the lower index wins";
}

TEST(PolygonQueries, OverlapTestsCountTouchingAndContainment) {
    EXPECT_TRUE(IsOverlapping(kSquare, {5, 5, 1}) && IsOverlapping(kSquare, {12, 5, 2}) &&
                IsOverlapping(kSquare, {5, -2, 2}) &&
                IsOverlapping(std::vector<Pos2f>{{0, 0}, {10, 0}, {0, 10}}, {-2, 5, 2.5f}))
        << "edges from the first on, to a triangle's closing one";
    EXPECT_FALSE(IsOverlapping(kSquare, {13, 5, 2}) || IsOverlapping(nullptr, 0, {0, 0, 99}));
    EXPECT_TRUE(IsOverlapping(Pos2f{-5, 5}, Pos2f{15, 5}, kBox));
    EXPECT_TRUE(IsOverlapping(Pos2f{5, 5}, Pos2f{6, 6}, kBox)) << "an end point inside";
    EXPECT_TRUE(IsOverlapping(Pos2f{12, 5}, Pos2f{5, 12}, kBox)) << "across the top right";
    EXPECT_FALSE(IsOverlapping(Pos2f{-5, 5}, Pos2f{-1, 5}, kBox) ||
                 IsOverlapping(kNan, kNan, kBox));
}
