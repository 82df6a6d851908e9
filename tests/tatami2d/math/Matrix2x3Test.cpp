#include "tatami2d/math/Matrix2x3.h"

#include "ValueText.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace tatami2d;

using M = Matrix2x3;

TEST(Matrix2x3, PrintsSixDecimalsAndMapsRightOperandFirstMovingPointsNotVectors) {
    EXPECT_EQ(M(1, 2, 3, 4, 5, 6).ToString(),
              "Matrix2x3( x( 1.000000, 2.000000 ), y( 3.000000, 4.000000 ), "
              "orig( 5.000000, 6.000000 )  )");
    // Turned a quarter, then moved: (x, y) -> (5 - y, 7 + x).
    const M m = M::CreateTranslationMatrix(5, 7) * M::CreateRotationMatrix(90);
    const std::vector<Pos2f> corners{{0, 0}, {0, 1}, {2, 1}, {2, 0}, {-1, -1}};
    std::vector<Pos2f> firstFour(5, Pos2f{-1, -1}), all(5);
    m.Transform(corners.data(), firstFour.data(), 4);
    m.Transform(corners, all.data());
    EXPECT_EQ(
        ValueText(m.Transform(Vector2f{1.0f, 2.0f}), m.Transform(Box2f{0, 0, 2, 1}),
                  m.Transform(corners), firstFour, all),
        "-2,1 5,7 4,7 4,9 5,9 5,7 4,7 4,9 5,9 6,6 5,7 4,7 4,9 5,9 -1,-1 5,7 4,7 4,9 5,9 6,6 ");
}

TEST(Matrix2x3, SettersOverwriteTheWholeMatrix) {
    std::vector<M> set(6, M{9, 9, 9, 9, 9, 9});
    set[0].SetAsIdentity();
    set[1].SetAsRotation(90);
    set[2].SetAsScaling(2);
    set[3].SetAsScaling(2, 3);
    set[4].SetAsTranslation(4, 5);
    set[5].SetAsTranslation(Vector2f{4, 5});
    const Pos2f p{1, 2};
    EXPECT_EQ(ValueText(set[0].Transform(p), set[1].Transform(p), set[2].Transform(p),
                        set[3].Transform(p), set[4].Transform(p), set[5].Transform(p)),
              "1,2 -2,1 2,4 2,6 5,7 5,7 ");
    EXPECT_NE(M(), M(1, 0, 0, 1, 0, 0.001f)) << "strict at the tolerance";
    EXPECT_FLOAT_EQ(M(1, 2, 3, 4, 5, 6).Determinant(), -2.0f);
}

TEST(Matrix2x3, InverseIsTheOneWorkedOutByHandAndNonFiniteWhenSingular) {
    const M a{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(a.Inverse(), M(-2, 1, 1.5f, -0.5f, 1, -2));
    EXPECT_TRUE(a * a.Inverse() == M() && a.Inverse() * a == M());
    EXPECT_FALSE(std::isfinite(M::CreateScalingMatrix(0.0f, 1.0f).Inverse().dirX.x));
}
