#include "tatami2d/math/Matrix2x3.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

TEST(Matrix2x3, PrintsSixDecimalsAndMapsRightOperandFirstMovingPointsNotVectors) {
    EXPECT_EQ(Matrix2x3(1, 2, 3, 4, 5, 6).ToString(),
              "Matrix2x3( x( 1.000000, 2.000000 ), y( 3.000000, 4.000000 ), "
              "orig( 5.000000, 6.000000 )  )");
    // Turned a quarter, then moved: (x, y) -> (5 - y, 7 + x).
    const Matrix2x3 m =
        Matrix2x3::CreateTranslationMatrix(5, 7) * Matrix2x3::CreateRotationMatrix(90);
    EXPECT_TRUE(m.Transform(Vector2f{1.0f, 0.0f}) == Vector2f(0.0f, 1.0f)) << "turned only";
    const std::vector<Pos2f> corners{{0, 0}, {0, 1}, {2, 1}, {2, 0}, {-1, -1}};
    const Vector2f mapped[] = {{5, 7}, {4, 7}, {4, 9}, {5, 9}};
    std::vector<Pos2f> out(5, Pos2f{-1, -1});
    m.Transform(corners.data(), out.data(), 4); // must leave the fifth point alone
    const std::vector<Pos2f> results[] = {m.Transform(Box2f{0, 0, 2, 1}), m.Transform(corners),
                                          out};
    for (const std::vector<Pos2f>& result : results) {
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(Vector2f(result[i]), mapped[i]) << i;
        }
    }
    EXPECT_EQ(Vector2f(out[4]), Vector2f(-1, -1));
    m.Transform(corners, out.data());
    EXPECT_EQ(Vector2f(out[4]), Vector2f(6, 6));
}

TEST(Matrix2x3, SettersOverwriteWithWhatTheFactoriesBuild) {
    std::vector<Matrix2x3> set(6, Matrix2x3{9, 9, 9, 9, 9, 9});
    set[0].SetAsIdentity();
    set[1].SetAsRotation(90);
    set[2].SetAsScaling(2);
    set[3].SetAsScaling(2, 3);
    set[4].SetAsTranslation(4, 5);
    set[5].SetAsTranslation(Vector2f{4, 5});
    const Matrix2x3 made[] = {Matrix2x3::CreateIdentityMatrix(),
                              Matrix2x3::CreateRotationMatrix(90),
                              Matrix2x3::CreateScalingMatrix(2),
                              Matrix2x3::CreateScalingMatrix(Vector2f{2, 3}),
                              Matrix2x3::CreateTranslationMatrix(4, 5),
                              Matrix2x3::CreateTranslationMatrix(Vector2f{4, 5})};
    const Matrix2x3 expected[] = {{1, 0, 0, 1, 0, 0}, {0, 1, -1, 0, 0, 0}, {2, 0, 0, 2, 0, 0},
                                  {2, 0, 0, 3, 0, 0}, {1, 0, 0, 1, 4, 5},  {1, 0, 0, 1, 4, 5}};
    for (size_t i = 0; i < set.size(); ++i) {
        EXPECT_EQ(set[i], expected[i]) << i;
        EXPECT_EQ(made[i], expected[i]) << i;
    }
    EXPECT_NE(Matrix2x3(), Matrix2x3(1, 0, 0, 1, 0, 0.001f)) << "strict at the tolerance";
    EXPECT_FLOAT_EQ(Matrix2x3(1, 2, 3, 4, 5, 6).Determinant(), -2.0f);
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
