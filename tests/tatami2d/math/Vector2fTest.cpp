#include "tatami2d/math/Vector2f.h"

#include "ValueText.h"

#include <gtest/gtest.h>

using namespace tatami2d;

TEST(Vector2f, TextKeepsNegativeZeroAndEqualityIsAbsoluteAndStrictAtTheTolerance) {
    EXPECT_EQ(Vector2f(1.0f, -2.5f).ToString(), "Vector2f(1.00, -2.50)");
    EXPECT_EQ(Vector2f(1.0f, 0.0f).Orthogonal().ToString(), "Vector2f(-0.00, 1.00)");
    EXPECT_TRUE(Vector2f(0.0f, 0.0f) == Vector2f(0.0009f, -0.0009f));
    EXPECT_FALSE(Vector2f(0.0f, 0.0f).Equals(Vector2f(0.5f, 0.0f), 0.5f));
    EXPECT_TRUE(Vector2f(1e6f, 0.0f) != Vector2f(1e6f + 0.0625f, 0.0f)) << "not relative";
}

TEST(Vector2f, NormalizedDividesTrulyButDivisionMultipliesByTheReciprocal) {
    EXPECT_EQ(Vector2f(0.0005f, 0.0f).Normalized().ToString(), "Vector2f(0.00, 0.00)");
    EXPECT_EQ(Vector2f(0.5f, 0.0f).Normalized(0.5f).x, 1.0f) << "a length equal to epsilon";
    EXPECT_EQ(Vector2f(3.0f, 14.0f).Normalized().x, 0.209529087f) << "not 3 * (1 / length)";
    EXPECT_EQ((Vector2f(5.0f, 9.0f) / 3.0f).x, 1.66666675f) << "5 * (1 / 3), not 5 / 3";
    EXPECT_EQ((Vector2f(9.0f, 5.0f) /= 5.0f).x, 1.80000007f) << "9 * (1 / 5), not 9 / 5";
}

TEST(Vector2f, OperationsGiveTheValuesWorkedOutByHand) {
    const Vector2f v{3.0f, 4.0f}, w{2.0f, -3.0f}, small{0.3f, 0.4f}, slope{1.0f, -1.0f};
    const Vector2f right{1.0f, 0.0f}, up{0.0f, 1.0f};
    const Pos2f p{5.0f, 5.0f}, q{2.0f, 1.0f};
    Pos2f forwards = p, backwards = p;
    EXPECT_EQ(
        ValueText(Vector2f(), Vector2f(q, p), Vector2f(p), p - q, v + w, v - w, -v, +v, v * 2.0f,
                  0.5f * v, v / 2.0f, Vector2f(v) += w, Vector2f(v) -= w, Vector2f(v) *= 3.0f,
                  Vector2f(v) /= 2.0f, v.Orthogonal(), small.Normalized(), slope.Reflect(up), p + w,
                  p - w, forwards += w, backwards -= w),
        "0,0 3,4 5,5 3,4 5,1 1,7 -3,-4 3,4 6,8 1.5,2 1.5,2 5,1 1,7 9,12 1.5,2 -4,3 0.6,0.8 1,1 "
        "7,2 3,8 7,2 3,8 ");
    EXPECT_EQ(ValueText(v.DotProduct(w), v.CrossProduct(w), v.Length(), v.Norm(), v.SquaredLength(),
                        v.AngleWith(w), right.AngleWith(up), up.AngleWith(right),
                        right.AngleWith(-right)),
              "-6 -17 5 5 25 -1.91009 1.5708 -1.5708 3.14159 ");
}
