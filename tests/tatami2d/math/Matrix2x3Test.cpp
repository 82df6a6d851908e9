#include "tatami2d/math/Matrix2x3.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

TEST(Matrix2x3, PrintsSixDecimalsAndMapsRightOperandFirstMovingPointsNotVectors) {
    EXPECT_EQ(Matrix2x3(1, 2, 3, 4, 5, 6).ToString(),
              "Matrix2x3( x( 1.000000, 2.000000 ), y( 3.000000, 4.000000 ), "
              "orig( 5.000000, 6.000000 )  )");
    const Matrix2x3 m =
        Matrix2x3::CreateTranslationMatrix(5, 7) * Matrix2x3::CreateRotationMatrix(90);
    EXPECT_TRUE(Vector2f(m.Transform(Pos2f{1, 0})) == Vector2f(5, 8)) << "turned, then moved";
    EXPECT_TRUE(m.Transform(Vector2f{1.0f, 0.0f}) == Vector2f(0.0f, 1.0f)) << "turned only";
    EXPECT_TRUE(Vector2f(m.Transform(Box2f{0, 0, 2, 1}).at(3)) == Vector2f(5, 9)) << "right-bottom";
}

TEST(Matrix2x3, InverseUndoesRandomMapsAndIsNonFiniteWhenSingular) {
    std::mt19937 random{20240611u};
    std::uniform_real_distribution<float> unit{-1.0f, 1.0f};
    for (int trial = 0; trial < 1000; ++trial) {
        Matrix2x3 a = Matrix2x3::CreateRotationMatrix(180.0f * unit(random));
        a = Matrix2x3::CreateScalingMatrix(1.5f + unit(random), 1.5f + unit(random)) * a;
        a = Matrix2x3::CreateTranslationMatrix(50.0f * unit(random), 50.0f * unit(random)) * a;
        EXPECT_TRUE(a * a.Inverse() == Matrix2x3() && a.Inverse() * a == Matrix2x3()) << a;
    }
    EXPECT_FALSE(std::isfinite(Matrix2x3::CreateScalingMatrix(0.0f, 1.0f).Inverse().dirX.x));
}
