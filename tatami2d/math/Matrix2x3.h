#pragma once

#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/Pos2f.h"
#include "tatami2d/math/Vector2f.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace tatami2d {

/// \file
/// The 2-D affine matrix and its operators.

/// A 2-D affine map: (x, y) -> x * dirX + y * dirY + orig for points; vectors skip orig.
/// Any matrix is representable, singular ones included; Inverse does not check.
class Matrix2x3 {
public:
    /// The identity.
    Matrix2x3();
    /// The images of the unit x and y vectors and of the origin, as given or as loose floats.
    ///@{
    Matrix2x3(const Vector2f& dirX, const Vector2f& dirY, const Vector2f& orig);
    Matrix2x3(float e1X, float e1Y, float e2X, float e2Y, float oX, float oY);
    ///@}

    /// The linear part only: the translation does not move vectors.
    Vector2f Transform(const Vector2f& vector) const;
    /// The point mapped, translation included.
    Pos2f Transform(const Pos2f& point) const;
    /// The corners (left, bottom), (left, top), (right, top), (right, bottom), in that order.
    std::vector<Pos2f> Transform(const Box2f& rect) const;
    /// Writes the four corners; the array must hold at least 4 points.
    void Transform(const Box2f& rect, Pos2f* transformedVertices) const;
    /// Every point mapped, in order.
    std::vector<Pos2f> Transform(const std::vector<Pos2f>& vertices) const;
    /// The output must hold vertices.size() points.
    void Transform(const std::vector<Pos2f>& vertices, Pos2f* transformedVertices) const;
    /// The output must hold count points.
    void Transform(const Pos2f* vertices, Pos2f* transformedVertices, size_t count) const;

    /// Of the linear part: dirX.x * dirY.y - dirX.y * dirY.x; 0 for a singular matrix.
    float Determinant() const;
    /// Infinite or NaN members for a singular matrix: test Determinant() first when unsure.
    Matrix2x3 Inverse() const;
    /// Member-wise Vector2f::Equals: absolute and strict.
    bool Equals(const Matrix2x3& other, float epsilon = 0.001f) const;
    /// Six decimals per number, unlike the two of Vector2f.
    std::string ToString() const;

    /// Overwrite all three members with the matching Create...Matrix result.
    ///@{
    void SetAsIdentity();
    void SetAsRotation(float degrees);
    void SetAsScaling(float scale);
    void SetAsScaling(float scaleX, float scaleY);
    void SetAsTranslation(float tx, float ty);
    void SetAsTranslation(const Vector2f& offset);
    ///@}

    static Matrix2x3 CreateIdentityMatrix(); ///< The identity.
    /// Degrees, counter-clockwise.
    static Matrix2x3 CreateRotationMatrix(float degrees);
    /// Scales about the origin, by one factor or per axis; no translation.
    ///@{
    static Matrix2x3 CreateScalingMatrix(float scale);
    static Matrix2x3 CreateScalingMatrix(float scaleX, float scaleY);
    static Matrix2x3 CreateScalingMatrix(const Vector2f& scale);
    ///@}
    /// Moves points by the offset; leaves vectors unchanged.
    ///@{
    static Matrix2x3 CreateTranslationMatrix(float tx, float ty);
    static Matrix2x3 CreateTranslationMatrix(const Vector2f& offset);
    ///@}

    Vector2f dirX; ///< Image of the unit x vector (1, 0).
    Vector2f dirY; ///< Image of the unit y vector (0, 1).
    Vector2f orig; ///< Image of the origin: the translation.
};

/// Composition: the result applies rhs first, then lhs.
Matrix2x3 operator*(const Matrix2x3& lhs, const Matrix2x3& rhs);
/// Equality within the default tolerance 0.001.
///@{
bool operator==(const Matrix2x3& lhs, const Matrix2x3& rhs);
bool operator!=(const Matrix2x3& lhs, const Matrix2x3& rhs);
///@}
/// Writes ToString().
std::ostream& operator<<(std::ostream& out, const Matrix2x3& matrix);

} // namespace tatami2d
