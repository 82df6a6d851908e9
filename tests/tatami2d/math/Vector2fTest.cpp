#include "tatami2d/math/Vector2f.h"

#include <gtest/gtest.h>

TEST(Vector2f, TextKeepsNegativeZeroAndEqualityIsAbsoluteAndStrictAtTheTolerance) {
    EXPECT_EQ(Vector2f(1.0f, -2.5f).ToString(), "Vector2f(1.00, -2.50)");
    EXPECT_EQ(Vector2f(1.0f, 0.0f).Orthogonal().ToString(), "Vector2f(-0.00, 1.00)");
    EXPECT_TRUE(Vector2f(0.0f, 0.0f) == Vector2f(0.0009f, -0.0009f));
    EXPECT_FALSE(Vector2f(0.0f, 0.0f).Equals(Vector2f(0.5f, 0.0f), 0.5f));
    EXPECT_TRUE(Vector2f(1e6f, 0.0f) != Vector2f(1e6f + 0.0625f, 0.0f)) << "not relative";
}

TEST(Vector2f, NormalizedDividesTrulyButDivisionMultipliesByTheReciprocal) {
    EXPECT_EQ(Vector2f(0.0005f, 0.0f).Normalized().x, 0.0f);
    EXPECT_EQ(Vector2f(0.5f, 0.0f).Normalized(0.5f).x, 1.0f) << "a length equal to epsilon";
    EXPECT_EQ(Vector2f(3.0f, 14.0f).Normalized().x, 0.209529087f) << "not 3 * (1 / length)";
    EXPECT_EQ((Vector2f(5.0f, 9.0f) / 3.0f).x, 1.66666675f) << "5 * (1 / 3), not 5 / 3";
    EXPECT_EQ((Vector2f(9.0f, 5.0f) /= 5.0f).x, 1.80000007f) << "9 * (1 / 5), not 9 / 5";
}

TEST(Vector2f, AngleWithIsSignedCounterClockwise) {
    const Vector2f right{1.0f, 0.0f}, up{0.0f, 1.0f};
    EXPECT_FLOAT_EQ(right.AngleWith(up), 1.5707964f);
    EXPECT_FLOAT_EQ(up.AngleWith(right), -1.5707964f);
    EXPECT_FLOAT_EQ(right.AngleWith(-right), 3.1415927f);
}
