#include "tatami2d/math/Matrix2x3.h"

#include <cmath>

namespace tatami2d {

namespace {

// Single-precision pi, multiplied first and divided by 180 second.
float ToRadians(float degrees) {
    return degrees * 3.1415927f / 180.0f;
}

} // namespace

Matrix2x3::Matrix2x3() : Matrix2x3(1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f) {}

Matrix2x3::Matrix2x3(const Vector2f& dirX, const Vector2f& dirY, const Vector2f& orig)
    : dirX{dirX}, dirY{dirY}, orig{orig} {}

Matrix2x3::Matrix2x3(float e1X, float e1Y, float e2X, float e2Y, float oX, float oY)
    : Matrix2x3(Vector2f{e1X, e1Y}, Vector2f{e2X, e2Y}, Vector2f{oX, oY}) {}

Vector2f Matrix2x3::Transform(const Vector2f& vector) const {
    return (vector.x * dirX) + (vector.y * dirY);
}

Pos2f Matrix2x3::Transform(const Pos2f& point) const {
    return (Transform(Vector2f{point}) + orig).ToPos2f();
}

std::vector<Pos2f> Matrix2x3::Transform(const Box2f& rect) const {
    std::vector<Pos2f> vertices(4);
    Transform(rect, vertices.data());
    return vertices;
}

void Matrix2x3::Transform(const Box2f& rect, Pos2f* transformedVertices) const {
    const float right = rect.left + rect.width;
    const float top = rect.bottom + rect.height;
    transformedVertices[0] = Transform(Pos2f{rect.left, rect.bottom});
    transformedVertices[1] = Transform(Pos2f{rect.left, top});
    transformedVertices[2] = Transform(Pos2f{right, top});
    transformedVertices[3] = Transform(Pos2f{right, rect.bottom});
}

std::vector<Pos2f> Matrix2x3::Transform(const std::vector<Pos2f>& vertices) const {
    std::vector<Pos2f> transformedVertices(vertices.size());
    Transform(vertices.data(), transformedVertices.data(), vertices.size());
    return transformedVertices;
}

void Matrix2x3::Transform(const std::vector<Pos2f>& vertices, Pos2f* transformedVertices) const {
    Transform(vertices.data(), transformedVertices, vertices.size());
}

void Matrix2x3::Transform(const Pos2f* vertices, Pos2f* transformedVertices, size_t count) const {
    for (size_t i = 0; i < count; ++i) {
        transformedVertices[i] = Transform(vertices[i]);
    }
}

float Matrix2x3::Determinant() const {
    return dirX.x * dirY.y - dirX.y * dirY.x;
}

Matrix2x3 Matrix2x3::Inverse() const {
    const float d = Determinant();
    return Matrix2x3{
        Vector2f{dirY.y, -dirX.y} / d, Vector2f{-dirY.x, dirX.x} / d,
        Vector2f{dirY.x * orig.y - dirY.y * orig.x, -(dirX.x * orig.y - dirX.y * orig.x)} / d};
}

bool Matrix2x3::Equals(const Matrix2x3& other, float epsilon) const {
    return dirX.Equals(other.dirX, epsilon) && dirY.Equals(other.dirY, epsilon) &&
           orig.Equals(other.orig, epsilon);
}

std::string Matrix2x3::ToString() const {
    return "Matrix2x3( x( " + std::to_string(dirX.x) + ", " + std::to_string(dirX.y) + " ), y( " +
           std::to_string(dirY.x) + ", " + std::to_string(dirY.y) + " ), orig( " +
           std::to_string(orig.x) + ", " + std::to_string(orig.y) + " )  )";
}

void Matrix2x3::SetAsIdentity() {
    *this = CreateIdentityMatrix();
}

void Matrix2x3::SetAsRotation(float degrees) {
    *this = CreateRotationMatrix(degrees);
}

void Matrix2x3::SetAsScaling(float scale) {
    SetAsScaling(scale, scale);
}

void Matrix2x3::SetAsScaling(float scaleX, float scaleY) {
    *this = CreateScalingMatrix(scaleX, scaleY);
}

void Matrix2x3::SetAsTranslation(float tx, float ty) {
    SetAsTranslation(Vector2f{tx, ty});
}

void Matrix2x3::SetAsTranslation(const Vector2f& offset) {
    *this = CreateTranslationMatrix(offset);
}

Matrix2x3 Matrix2x3::CreateIdentityMatrix() {
    return Matrix2x3{1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
}

Matrix2x3 Matrix2x3::CreateRotationMatrix(float degrees) {
    const float angle = ToRadians(degrees);
    const float cosA = std::cos(angle);
    const float sinA = std::sin(angle);
    return Matrix2x3{cosA, sinA, -sinA, cosA, 0.0f, 0.0f};
}

Matrix2x3 Matrix2x3::CreateScalingMatrix(float scale) {
    return CreateScalingMatrix(scale, scale);
}

Matrix2x3 Matrix2x3::CreateScalingMatrix(float scaleX, float scaleY) {
    return Matrix2x3{scaleX, 0.0f, 0.0f, scaleY, 0.0f, 0.0f};
}

Matrix2x3 Matrix2x3::CreateScalingMatrix(const Vector2f& scale) {
    return CreateScalingMatrix(scale.x, scale.y);
}

Matrix2x3 Matrix2x3::CreateTranslationMatrix(float tx, float ty) {
    return CreateTranslationMatrix(Vector2f{tx, ty});
}

Matrix2x3 Matrix2x3::CreateTranslationMatrix(const Vector2f& offset) {
    return Matrix2x3{Vector2f{1.0f, 0.0f}, Vector2f{0.0f, 1.0f}, offset};
}

Matrix2x3 operator*(const Matrix2x3& lhs, const Matrix2x3& rhs) {
    return Matrix2x3{rhs.dirX.x * lhs.dirX + rhs.dirX.y * lhs.dirY,
                     rhs.dirY.x * lhs.dirX + rhs.dirY.y * lhs.dirY,
                     rhs.orig.x * lhs.dirX + rhs.orig.y * lhs.dirY + lhs.orig};
}

bool operator==(const Matrix2x3& lhs, const Matrix2x3& rhs) {
    return lhs.Equals(rhs);
}

bool operator!=(const Matrix2x3& lhs, const Matrix2x3& rhs) {
    return !(lhs == rhs);
}

std::ostream& operator<<(std::ostream& out, const Matrix2x3& matrix) {
    return out << matrix.ToString();
}

} // namespace tatami2d
