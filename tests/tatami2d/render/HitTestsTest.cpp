#include "tatami2d/render/HitTests.h"

#include "../math/ValueText.h"
#include "tatami2d/math/Oval2f.h"

#include <gtest/gtest.h>

using namespace tatami2d;

using namespace util2d;

// Each case at its edge and just past it, off the origin so that a sum for a difference shows.
TEST(HitTests, PointsBoxesAndSegmentsTouchingCountButTouchingCirclesDoNot) {
    const Box2f r{10.0f, 20.0f, 30.0f, 40.0f}, box{0.0f, 0.0f, 10.0f, 10.0f};
    const Disc2f c{1.0f, 1.0f, 5.0f};
    EXPECT_EQ(ValueText(IsPointInRect({10, 20}, r), IsPointInRect({40, 60}, r),
                        IsPointInRect({9.999f, 30}, r), IsPointInRect({25, 60.001f}, r),
                        IsPointInCircle({4, 5}, c), IsPointInCircle({4, 5.01f}, c),
                        IsOverlapping(c, Disc2f{7, 9, 5}), IsOverlapping(c, Disc2f{7, 9, 5.01f})),
              "1 1 0 0 1 0 0 1 ");
    // Default records are empty at the origin: a default disc covers only the origin itself.
    EXPECT_EQ(ValueText(IsPointInCircle({0, 0}, Disc2f{}), IsPointInCircle({0.5f, 0}, Disc2f{}),
                        Box2f{}.left + Box2f{}.bottom + Box2f{}.width + Box2f{}.height,
                        Oval2f{}.center, Oval2f{}.radiusX + Oval2f{}.radiusY),
              "1 0 0 0,0 0 ");
    // Touching and just apart on each side; circles on each edge, near a corner, on segments.
    EXPECT_EQ(
        ValueText(IsOverlapping(box, Box2f{10, 10, 5, 5}), IsOverlapping(box, Box2f{-5, -5, 5, 5}),
                  IsOverlapping(box, Box2f{10.01f, 0, 5, 5}),
                  IsOverlapping(box, Box2f{-5.01f, 0, 5, 5}),
                  IsOverlapping(box, Box2f{0, 10.01f, 5, 5}),
                  IsOverlapping(box, Box2f{0, -5.01f, 5, 5}), IsOverlapping(box, Disc2f{5, 5, 0}),
                  IsOverlapping(box, Disc2f{-1, 5, 1}), IsOverlapping(box, Disc2f{5, -1, 1}),
                  IsOverlapping(box, Disc2f{5, 11, 1}), IsOverlapping(box, Disc2f{11, 5, 1}),
                  IsOverlapping(box, Disc2f{-2, -2, 3}), IsOverlapping(box, Disc2f{-2, -2, 2.5f}),
                  IsOverlapping({-5, 1}, {5, 1}, Disc2f{0, 2, 1}),
                  IsOverlapping({-5, 1}, {5, 1}, Disc2f{0, 2.01f, 1})),
        "1 1 0 0 0 0 1 1 1 1 1 1 0 1 0 ");
}

TEST(HitTests, DistancesToPointsAndToTheNearestPointOfASegment) {
    const Pos2f a{1.0f, 1.0f}, b{11.0f, 1.0f}, shortEnd{1.5f, 1.0f};
    EXPECT_EQ(ValueText(GetDistance(1, 2, 4, 6), GetDistance({1, 2}, {4, 6}),
                        DistPointLineSegment({6, 6}, a, b), DistPointLineSegment({1.5f, 4}, a, b),
                        DistPointLineSegment({-2, 5}, a, b), DistPointLineSegment({14, 5}, a, b),
                        DistPointLineSegment({4, 5}, a, a),
                        DistPointLineSegment({1.4f, 3}, a, shortEnd)),
              "5 5 5 3 5 5 5 2 ");
}
