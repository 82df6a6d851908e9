#include "tatami2d/render/HitTests.h"

#include <gtest/gtest.h>

using namespace util2d;

TEST(HitTests, PointInRectIsInclusiveOnAllSidesAndCircleRimIsInside) {
    const Box2f box{10.0f, 20.0f, 30.0f, 40.0f};
    EXPECT_TRUE(IsPointInRect(Pos2f{10, 20}, box) && IsPointInRect(Pos2f{40, 60}, box));
    EXPECT_FALSE(IsPointInRect(Pos2f{9.999f, 30}, box) || IsPointInRect(Pos2f{25, 60.001f}, box));
    EXPECT_TRUE(IsPointInCircle(Pos2f{3, 4}, Disc2f{0, 0, 5}));
    EXPECT_FALSE(IsPointInCircle(Pos2f{3, 4.01f}, Disc2f{0, 0, 5}));
}

TEST(HitTests, TouchingCirclesDoNotOverlapButTouchingBoxesAndCirclesDo) {
    EXPECT_FALSE(IsOverlapping(Disc2f{0, 0, 5}, Disc2f{10, 0, 5}));
    EXPECT_TRUE(IsOverlapping(Disc2f{0, 0, 5}, Disc2f{10, 0, 5.01f}));
    const Box2f box{0.0f, 0.0f, 10.0f, 10.0f};
    EXPECT_TRUE(IsOverlapping(box, Box2f{10, 10, 5, 5})) << "sharing a corner";
    EXPECT_FALSE(IsOverlapping(box, Box2f{10.01f, 0, 5, 5}));
    EXPECT_TRUE(IsOverlapping(box, Disc2f{5, 5, 0}) && IsOverlapping(box, Disc2f{11, 5, 1}));
    EXPECT_TRUE(IsOverlapping(box, Disc2f{-2, -2, 3})) << "the corner is 2.83 away";
    EXPECT_FALSE(IsOverlapping(box, Disc2f{-2, -2, 2.5f}));
}

TEST(HitTests, SegmentDistanceUsesTheNearestPointOfTheSegment) {
    const Pos2f a{0.0f, 0.0f}, b{10.0f, 0.0f};
    EXPECT_FLOAT_EQ(DistPointLineSegment(Pos2f{5, 5}, a, b), 5.0f);
    EXPECT_FLOAT_EQ(DistPointLineSegment(Pos2f{-3, 4}, a, b), 5.0f);
    EXPECT_FLOAT_EQ(DistPointLineSegment(Pos2f{13, 4}, a, b), 5.0f);
    EXPECT_FLOAT_EQ(DistPointLineSegment(Pos2f{4, 5}, Pos2f{1, 1}, Pos2f{1, 1}), 5.0f);
    EXPECT_TRUE(IsOverlapping(Pos2f{-5, 1}, Pos2f{5, 1}, Disc2f{0, 2, 1})) << "touching";
}
