#include "math/Vector2f.h"

#include <cmath>
#include <limits>
#include <sstream>

#include <gtest/gtest.h>

TEST(Vector2f, TextFormHasTwoDecimalsAndKeepsNegativeZero) {
    EXPECT_EQ(Vector2f(1.0f, -2.5f).ToString(), "Vector2f(1.00, -2.50)");
    const Vector2f turned = Vector2f{1.0f, 0.0f}.Orthogonal();
    std::ostringstream out;
    out << turned;
    EXPECT_EQ(out.str(), "Vector2f(-0.00, 1.00)");
    EXPECT_TRUE(turned == Vector2f(0.0f, 1.0f));
    EXPECT_TRUE(std::signbit((-Vector2f{}).x)) << "negation flips the sign of zero";
}

TEST(Vector2f, EqualityIsAbsoluteAndStrictAtTheTolerance) {
    EXPECT_TRUE(Vector2f(0.0f, 0.0f) == Vector2f(0.0009f, -0.0009f));
    EXPECT_FALSE(Vector2f(0.0f, 0.0f).Equals(Vector2f(0.5f, 0.0f), 0.5f));
    // No relative tolerance: neighbouring floats near 1e6 are 0.0625 apart and unequal.
    EXPECT_TRUE(Vector2f(1e6f, 0.0f) != Vector2f(1e6f + 0.0625f, 0.0f));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(Vector2f(nan, 0.0f) != Vector2f(nan, 0.0f));
}

TEST(Vector2f, NormalizedDividesTrulyAndZeroesShortVectors) {
    EXPECT_EQ(Vector2f(0.0f, 0.0f).Normalized().x, 0.0f);
    EXPECT_EQ(Vector2f(0.0005f, 0.0f).Normalized().x, 0.0f);
    EXPECT_EQ(Vector2f(0.5f, 0.0f).Normalized(0.5f).x, 1.0f) << "a length equal to epsilon";
    EXPECT_EQ(Vector2f(3.0f, 4.0f).Normalized().x, 0.6f);
    // 3 * (1 / |(3, 14)|) would give 0.209529072.
    EXPECT_EQ(Vector2f(3.0f, 14.0f).Normalized().x, 0.209529087f);
    EXPECT_EQ(Vector2f(3.0f, 4.0f).Norm(), 5.0f);
}

TEST(Vector2f, DivisionMultipliesByTheReciprocal) {
    // 5 / 3 would give 1.66666663.
    EXPECT_EQ((Vector2f(5.0f, 9.0f) / 3.0f).x, 1.66666675f);
    Vector2f v{9.0f, 5.0f};
    v /= 5.0f;
    EXPECT_EQ(v.x, 1.80000007f);
    const Vector2f byZero = Vector2f(0.0f, 2.0f) / 0.0f;
    EXPECT_TRUE(std::isnan(byZero.x));
    EXPECT_TRUE(std::isinf(byZero.y));
}

TEST(Vector2f, AnglesCrossProductsReflectionAndPointDifferences) {
    const Vector2f right{1.0f, 0.0f};
    const Vector2f up{0.0f, 1.0f};
    EXPECT_FLOAT_EQ(right.AngleWith(up), 1.5707964f);
    EXPECT_FLOAT_EQ(up.AngleWith(right), -1.5707964f);
    EXPECT_FLOAT_EQ(right.AngleWith(Vector2f(-1.0f, 0.0f)), 3.1415927f);
    EXPECT_EQ(right.CrossProduct(up), 1.0f);
    EXPECT_EQ(up.CrossProduct(right), -1.0f);
    EXPECT_TRUE(Vector2f(1.0f, -1.0f).Reflect(up) == Vector2f(1.0f, 1.0f));

    const Pos2f from{2.0f, 1.0f};
    EXPECT_TRUE(Pos2f(5.0f, 5.0f) - from == Vector2f(3.0f, 4.0f));
    EXPECT_EQ((from + Vector2f(3.0f, 4.0f)).y, 5.0f);
}
