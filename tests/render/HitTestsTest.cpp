#include "render/HitTests.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using namespace util2d;

TEST(HitTests, PointInRectIsInclusiveOnAllSides) {
    const Box2f box{10.0f, 20.0f, 30.0f, 40.0f};
    EXPECT_TRUE(IsPointInRect(Pos2f{10.0f, 20.0f}, box));
    EXPECT_TRUE(IsPointInRect(Pos2f{40.0f, 60.0f}, box));
    EXPECT_TRUE(IsPointInRect(Pos2f{40.0f, 20.0f}, box));
    EXPECT_TRUE(IsPointInRect(Pos2f{10.0f, 60.0f}, box));
    EXPECT_FALSE(IsPointInRect(Pos2f{9.999f, 30.0f}, box));
    EXPECT_FALSE(IsPointInRect(Pos2f{25.0f, 60.001f}, box));
    EXPECT_TRUE(IsPointInRect(Pos2f{5.0f, 1.0f}, Box2f{5.0f, 0.0f, 0.0f, 2.0f}));
    // A negative width is not reordered: such a box contains nothing.
    EXPECT_FALSE(IsPointInRect(Pos2f{5.0f, 1.0f}, Box2f{10.0f, 0.0f, -10.0f, 2.0f}));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(IsPointInRect(Pos2f{nan, 30.0f}, box));
    EXPECT_FALSE(IsPointInCircle(Pos2f{0.0f, nan}, Disc2f{0.0f, 0.0f, 5.0f}));
}

TEST(HitTests, CircleContainmentIncludesTheRimButTouchingCirclesDoNotOverlap) {
    const Disc2f circle{0.0f, 0.0f, 5.0f};
    EXPECT_TRUE(IsPointInCircle(Pos2f{3.0f, 4.0f}, circle));
    EXPECT_FALSE(IsPointInCircle(Pos2f{3.0f, 4.01f}, circle));
    EXPECT_FALSE(IsOverlapping(circle, Disc2f{10.0f, 0.0f, 5.0f}));
    EXPECT_TRUE(IsOverlapping(circle, Disc2f{10.0f, 0.0f, 5.01f}));
}

TEST(HitTests, BoxesThatShareAnEdgeOverlap) {
    const Box2f box{0.0f, 0.0f, 10.0f, 10.0f};
    EXPECT_TRUE(IsOverlapping(box, Box2f{10.0f, 0.0f, 5.0f, 5.0f}));
    EXPECT_TRUE(IsOverlapping(box, Box2f{10.0f, 10.0f, 5.0f, 5.0f}));
    EXPECT_FALSE(IsOverlapping(box, Box2f{10.01f, 0.0f, 5.0f, 5.0f}));
    EXPECT_FALSE(IsOverlapping(box, Box2f{0.0f, -5.01f, 5.0f, 5.0f}));
}

TEST(HitTests, SegmentDistanceUsesTheNearestPointOfTheSegment) {
    const Pos2f a{0.0f, 0.0f};
    const Pos2f b{10.0f, 0.0f};
    EXPECT_FLOAT_EQ(DistPointLineSegment(Pos2f{5.0f, 5.0f}, a, b), 5.0f);
    EXPECT_FLOAT_EQ(DistPointLineSegment(Pos2f{-3.0f, 4.0f}, a, b), 5.0f);
    EXPECT_FLOAT_EQ(DistPointLineSegment(Pos2f{13.0f, 4.0f}, a, b), 5.0f);
    EXPECT_FLOAT_EQ(DistPointLineSegment(Pos2f{4.0f, 5.0f}, Pos2f{1.0f, 1.0f}, Pos2f{1.0f, 1.0f}),
                    5.0f);
    EXPECT_FLOAT_EQ(GetDistance(Pos2f{0.0f, 0.0f}, Pos2f{3.0f, 4.0f}), 5.0f);
    EXPECT_TRUE(IsOverlapping(Pos2f{-5.0f, 1.0f}, Pos2f{5.0f, 1.0f}, Disc2f{0.0f, 2.0f, 1.0f}));
}

TEST(HitTests, BoxMeetsCircleThroughItsEdgesAndCorners) {
    const Box2f box{0.0f, 0.0f, 10.0f, 10.0f};
    EXPECT_TRUE(IsOverlapping(box, Disc2f{5.0f, 5.0f, 0.0f}));
    EXPECT_TRUE(IsOverlapping(box, Disc2f{-1.0f, 5.0f, 2.0f}));
    EXPECT_TRUE(IsOverlapping(box, Disc2f{5.0f, 11.0f, 1.0f}));
    EXPECT_TRUE(IsOverlapping(box, Disc2f{11.0f, 5.0f, 1.0f}));
    EXPECT_TRUE(IsOverlapping(box, Disc2f{-2.0f, -2.0f, 3.0f}));
    EXPECT_FALSE(IsOverlapping(box, Disc2f{-2.0f, -2.0f, 2.5f}));
    EXPECT_FALSE(IsOverlapping(box, Disc2f{12.0f, 12.0f, 2.5f}));
}
