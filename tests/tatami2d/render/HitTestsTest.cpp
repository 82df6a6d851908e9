#include "tatami2d/render/HitTests.h"

#include <iterator>

#include <gtest/gtest.h>

using namespace util2d;

// Shapes off the origin, so that a sum taken for a difference shows.
TEST(HitTests, PointsBoxesAndSegmentsTouchingCountButTouchingCirclesDoNot) {
    const Box2f r{10.0f, 20.0f, 30.0f, 40.0f}, box{0.0f, 0.0f, 10.0f, 10.0f};
    const Disc2f c{1.0f, 1.0f, 5.0f};
    const bool hits[] = {IsPointInRect({10, 20}, r),
                         IsPointInRect({40, 60}, r),
                         IsPointInCircle({4, 5}, c),
                         IsOverlapping(c, Disc2f{7, 9, 5.01f}),
                         IsOverlapping(box, Box2f{10, 10, 5, 5}),
                         IsOverlapping(box, Box2f{-5, -5, 5, 5}),
                         IsOverlapping(box, Disc2f{5, 5, 0}),
                         IsOverlapping(box, Disc2f{-1, 5, 1}),
                         IsOverlapping(box, Disc2f{5, -1, 1}),
                         IsOverlapping(box, Disc2f{5, 11, 1}),
                         IsOverlapping(box, Disc2f{11, 5, 1}),
                         IsOverlapping(box, Disc2f{-2, -2, 3}),
                         IsOverlapping({-5, 1}, {5, 1}, Disc2f{0, 2, 1})};
    const bool misses[] = {IsPointInRect({9.999f, 30}, r),
                           IsPointInRect({25, 60.001f}, r),
                           IsPointInCircle({4, 5.01f}, c),
                           IsOverlapping(c, Disc2f{7, 9, 5}),
                           IsOverlapping(box, Box2f{10.01f, 0, 5, 5}),
                           IsOverlapping(box, Box2f{-5.01f, 0, 5, 5}),
                           IsOverlapping(box, Box2f{0, 10.01f, 5, 5}),
                           IsOverlapping(box, Box2f{0, -5.01f, 5, 5}),
                           IsOverlapping(box, Disc2f{-2, -2, 2.5f}),
                           IsOverlapping({-5, 1}, {5, 1}, Disc2f{0, 2.01f, 1})};
    for (size_t i = 0; i < std::size(hits); ++i) {
        EXPECT_TRUE(hits[i]) << i;
    }
    for (size_t i = 0; i < std::size(misses); ++i) {
        EXPECT_FALSE(misses[i]) << i;
    }
}

TEST(HitTests, DistancesToPointsAndToTheNearestPointOfASegment) {
    const Pos2f a{1.0f, 1.0f}, b{11.0f, 1.0f};
    const std::pair<float, float> rows[] = {{GetDistance(1, 2, 4, 6), 5.0f},
                                            {GetDistance({1, 2}, {4, 6}), 5.0f},
                                            {DistPointLineSegment({6, 6}, a, b), 5.0f},
                                            {DistPointLineSegment({1.5f, 4}, a, b), 3.0f},
                                            {DistPointLineSegment({-2, 5}, a, b), 5.0f},
                                            {DistPointLineSegment({14, 5}, a, b), 5.0f},
                                            {DistPointLineSegment({4, 5}, a, a), 5.0f},
                                            {DistPointLineSegment({1.4f, 3}, a, {1.5f, 1}), 2.0f}};
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_FLOAT_EQ(rows[i].first, rows[i].second) << i;
    }
}
