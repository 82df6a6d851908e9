#pragma once

#include "tatami2d/math/Pos2f.h"

#include <cmath>
#include <ostream>
#include <string>

namespace tatami2d {

/// \file
/// The 2-D vector, and the operators that join it to points.

/// A displacement or direction, kept apart from the point record Pos2f so that the type
/// says which of the two a value is. All arithmetic is single precision.
struct Vector2f {
    Vector2f() : Vector2f(0.0f, 0.0f) {}       ///< The zero vector.
    Vector2f(float x, float y) : x{x}, y{y} {} ///< The vector (x, y).
    /// The vector that carries `from` onto `to`.
    Vector2f(const Pos2f& from, const Pos2f& to) : Vector2f(to.x - from.x, to.y - from.y) {}
    /// The vector from the origin to the point. Explicit, like the conversion back, so that
    /// a point never turns into a vector (or back) without the caller saying so.
    explicit Vector2f(const Pos2f& point) : Vector2f(Pos2f{0.0f, 0.0f}, point) {}

    /// The point this vector reaches from the origin.
    ///@{
    Pos2f ToPos2f() const { return Pos2f{x, y}; }
    explicit operator Pos2f() const { return ToPos2f(); }
    ///@}
    /// "Vector2f(x, y)" with two decimals each; negative zero keeps its sign.
    std::string ToString() const;

    /// Absolute tolerance, strict on both components: a difference equal to epsilon is
    /// unequal. NaN equals nothing.
    bool Equals(const Vector2f& other, float epsilon = 0.001f) const;
    float DotProduct(const Vector2f& other) const; ///< x * other.x + y * other.y.
    /// x * other.y - y * other.x: positive when `other` lies counter-clockwise from this
    /// vector within a half turn.
    float CrossProduct(const Vector2f& other) const;
    /// The Euclidean length; Norm is the same.
    ///@{
    float Length() const;
    float Norm() const;
    ///@}
    float SquaredLength() const; ///< x * x + y * y: no square root.
    /// Signed radians in [-pi, pi] from this vector to `other`, counter-clockwise positive.
    float AngleWith(const Vector2f& other) const;
    /// The unit vector, or (0, 0) when the length is below epsilon (a length equal to epsilon
    /// is still normalised).
    Vector2f Normalized(float epsilon = 0.001f) const;
    /// A quarter turn counter-clockwise: (-y, x).
    Vector2f Orthogonal() const;
    /// Mirror image about a surface; only a unit normal gives the true reflection.
    Vector2f Reflect(const Vector2f& surfaceNormal) const;
    void Set(float newX, float newY); ///< Assigns both components.

    /// Component-wise, in place; return this vector.
    ///@{
    Vector2f& operator+=(const Vector2f& other);
    Vector2f& operator-=(const Vector2f& other);
    Vector2f& operator*=(float scale);
    ///@}
    /// Multiplies both components by the one reciprocal 1 / divisor: dividing by 0 gives
    /// infinite components (NaN for a zero one).
    Vector2f& operator/=(float divisor);
    /// The negated vector (signs flipped, so 0 gives -0) and a plain copy.
    ///@{
    Vector2f operator-() const;
    Vector2f operator+() const;
    ///@}

    float x; ///< Rightwards component.
    float y; ///< Upwards component.
};

/// Component-wise on a copy of the vector operand; division multiplies by 1 / divisor.
///@{
Vector2f operator+(Vector2f lhs, const Vector2f& rhs);
Vector2f operator-(Vector2f lhs, const Vector2f& rhs);
Vector2f operator*(Vector2f lhs, float scale);
Vector2f operator*(float scale, Vector2f rhs);
Vector2f operator/(Vector2f lhs, float divisor);
///@}
/// Equality within the default tolerance 0.001.
///@{
bool operator==(const Vector2f& lhs, const Vector2f& rhs);
bool operator!=(const Vector2f& lhs, const Vector2f& rhs);
///@}

/// A point moved forwards (+) or backwards (-) by a vector.
///@{
Pos2f operator+(Pos2f lhs, const Vector2f& rhs);
Pos2f operator-(Pos2f lhs, const Vector2f& rhs);
///@}
/// The vector from `rhs` to `lhs`.
Vector2f operator-(const Pos2f& lhs, const Pos2f& rhs);
/// Moves the point in place, forwards (+=) or backwards (-=); returns it.
///@{
Pos2f& operator+=(Pos2f& lhs, const Vector2f& rhs);
Pos2f& operator-=(Pos2f& lhs, const Vector2f& rhs);
///@}

/// Writes ToString().
std::ostream& operator<<(std::ostream& out, const Vector2f& vector);

// Small arithmetic is defined here so the per-vertex loops of the geometry queries and
// matrix mappings inline it.

inline bool Vector2f::Equals(const Vector2f& other, float epsilon) const {
    return std::abs(x - other.x) < epsilon && std::abs(y - other.y) < epsilon;
}

inline float Vector2f::DotProduct(const Vector2f& other) const {
    return x * other.x + y * other.y;
}

inline float Vector2f::CrossProduct(const Vector2f& other) const {
    return x * other.y - y * other.x;
}

inline float Vector2f::SquaredLength() const {
    return x * x + y * y;
}

inline Vector2f Vector2f::Orthogonal() const {
    return Vector2f{-y, x};
}

inline void Vector2f::Set(float newX, float newY) {
    x = newX;
    y = newY;
}

inline Vector2f& Vector2f::operator+=(const Vector2f& other) {
    x += other.x;
    y += other.y;
    return *this;
}

inline Vector2f& Vector2f::operator-=(const Vector2f& other) {
    return *this += -other;
}

inline Vector2f& Vector2f::operator*=(float scale) {
    x *= scale;
    y *= scale;
    return *this;
}

inline Vector2f& Vector2f::operator/=(float divisor) {
    return *this *= (1.0f / divisor);
}

inline Vector2f Vector2f::operator-() const {
    return Vector2f{-x, -y};
}

inline Vector2f Vector2f::operator+() const {
    return *this;
}

inline Vector2f operator+(Vector2f lhs, const Vector2f& rhs) {
    return lhs += rhs;
}

inline Vector2f operator-(Vector2f lhs, const Vector2f& rhs) {
    return lhs += -rhs;
}

inline Vector2f operator*(Vector2f lhs, float scale) {
    return lhs *= scale;
}

inline Vector2f operator*(float scale, Vector2f rhs) {
    return rhs *= scale;
}

inline Vector2f operator/(Vector2f lhs, float divisor) {
    return lhs *= (1.0f / divisor);
}

inline bool operator==(const Vector2f& lhs, const Vector2f& rhs) {
    return lhs.Equals(rhs);
}

inline bool operator!=(const Vector2f& lhs, const Vector2f& rhs) {
    return !(lhs == rhs);
}

inline Pos2f operator+(Pos2f lhs, const Vector2f& rhs) {
    return lhs += rhs;
}

inline Pos2f operator-(Pos2f lhs, const Vector2f& rhs) {
    return lhs -= rhs;
}

inline Vector2f operator-(const Pos2f& lhs, const Pos2f& rhs) {
    return Vector2f{lhs.x - rhs.x, lhs.y - rhs.y};
}

inline Pos2f& operator+=(Pos2f& lhs, const Vector2f& rhs) {
    lhs.x += rhs.x;
    lhs.y += rhs.y;
    return lhs;
}

inline Pos2f& operator-=(Pos2f& lhs, const Vector2f& rhs) {
    lhs.x -= rhs.x;
    lhs.y -= rhs.y;
    return lhs;
}

} // namespace tatami2d
