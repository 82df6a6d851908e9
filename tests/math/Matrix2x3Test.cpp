#include "math/Matrix2x3.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

namespace {

void ExpectNear(const Pos2f& actual, float x, float y, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
}

} // namespace

TEST(Matrix2x3, IdentityPrintsWithSixDecimals) {
    const Matrix2x3 identity = Matrix2x3::CreateIdentityMatrix();
    EXPECT_EQ(identity.ToString(), "Matrix2x3( x( 1.000000, 0.000000 ), y( 0.000000, 1.000000 ), "
                                   "orig( 0.000000, 0.000000 )  )");
    EXPECT_TRUE(identity == Matrix2x3(1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f));
    EXPECT_TRUE(identity == Matrix2x3());
    EXPECT_TRUE(identity == Matrix2x3(1.0005f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f));
    EXPECT_FALSE(identity.Equals(Matrix2x3{1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.5f}, 0.5f));
}

TEST(Matrix2x3, MapsPointsVectorsAndBoxCorners) {
    ExpectNear(Matrix2x3::CreateRotationMatrix(90.0f).Transform(Pos2f{1.0f, 0.0f}), 0.0f, 1.0f);
    ExpectNear(Matrix2x3::CreateRotationMatrix(-90.0f).Transform(Pos2f{1.0f, 0.0f}), 0.0f, -1.0f);
    const Matrix2x3 shift = Matrix2x3::CreateTranslationMatrix(5.0f, 7.0f);
    ExpectNear(shift.Transform(Pos2f{1.0f, 1.0f}), 6.0f, 8.0f, 0.0f);
    EXPECT_TRUE(shift.Transform(Vector2f{1.0f, 1.0f}) == Vector2f(1.0f, 1.0f));

    const std::vector<Pos2f> corners = Matrix2x3{}.Transform(Box2f{0.0f, 0.0f, 2.0f, 1.0f});
    ASSERT_EQ(corners.size(), 4u);
    ExpectNear(corners[0], 0.0f, 0.0f, 0.0f);
    ExpectNear(corners[1], 0.0f, 1.0f, 0.0f);
    ExpectNear(corners[2], 2.0f, 1.0f, 0.0f);
    ExpectNear(corners[3], 2.0f, 0.0f, 0.0f);
    EXPECT_TRUE(shift.Transform(std::vector<Pos2f>{}).empty());
}

TEST(Matrix2x3, ProductAppliesRightOperandFirst) {
    const Matrix2x3 shift = Matrix2x3::CreateTranslationMatrix(10.0f, 0.0f);
    const Matrix2x3 scale = Matrix2x3::CreateScalingMatrix(2.0f);
    ExpectNear((shift * scale).Transform(Pos2f{1.0f, 1.0f}), 12.0f, 2.0f, 0.0f);
    ExpectNear((scale * shift).Transform(Pos2f{1.0f, 1.0f}), 22.0f, 2.0f, 0.0f);
}

TEST(Matrix2x3, InverseUndoesRegularMatricesAndDegeneratesForSingularOnes) {
    const Matrix2x3 inverse = Matrix2x3::CreateScalingMatrix(2.0f, 4.0f).Inverse();
    EXPECT_EQ(inverse.dirX.x, 0.5f);
    EXPECT_EQ(inverse.dirY.y, 0.25f);
    EXPECT_EQ(inverse.orig.x, 0.0f);

    const Matrix2x3 singular = Matrix2x3::CreateScalingMatrix(0.0f, 1.0f);
    EXPECT_EQ(singular.Determinant(), 0.0f);
    EXPECT_FALSE(std::isfinite(singular.Inverse().dirX.x));
}

TEST(Matrix2x3, RandomMapsInvertAndComposeLikeSuccessiveMaps) {
    std::mt19937 random{20240611u};
    std::uniform_real_distribution<float> unit{-1.0f, 1.0f};
    const auto randomMatrix = [&] {
        Matrix2x3 m = Matrix2x3::CreateRotationMatrix(180.0f * unit(random));
        m = Matrix2x3::CreateScalingMatrix(1.5f + unit(random), 1.5f + unit(random)) * m;
        return Matrix2x3::CreateTranslationMatrix(50.0f * unit(random), 50.0f * unit(random)) * m;
    };
    for (int trial = 0; trial < 1000; ++trial) {
        const Matrix2x3 a = randomMatrix();
        const Matrix2x3 b = randomMatrix();
        EXPECT_TRUE(a * a.Inverse() == Matrix2x3::CreateIdentityMatrix()) << a;
        EXPECT_TRUE(a.Inverse() * a == Matrix2x3::CreateIdentityMatrix()) << a;

        const Pos2f p{100.0f * unit(random), 100.0f * unit(random)};
        const Pos2f viaProduct = (a * b).Transform(p);
        const Pos2f oneAfterOther = a.Transform(b.Transform(p));
        ExpectNear(viaProduct, oneAfterOther.x, oneAfterOther.y, 1e-3f);
    }
}
