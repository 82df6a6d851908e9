#include "tatami2d/math/Vector2f.h"

#include <cmath>
#include <iomanip>
#include <sstream>

namespace tatami2d {

std::string Vector2f::ToString() const {
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << "Vector2f(" << x << ", " << y << ")";
    return text.str();
}

float Vector2f::Length() const {
    return std::sqrt(x * x + y * y);
}

float Vector2f::Norm() const {
    return Length();
}

float Vector2f::AngleWith(const Vector2f& other) const {
    const float dot = x * other.x + y * other.y;
    const float cross = x * other.y - other.x * y;
    return std::atan2(cross, dot);
}

Vector2f Vector2f::Normalized(float epsilon) const {
    const float length = Length();
    if (epsilon > length) {
        return Vector2f{0.0f, 0.0f};
    }
    // True division, not a reciprocal, so each component is rounded only once.
    return Vector2f{x / length, y / length};
}

Vector2f Vector2f::Reflect(const Vector2f& surfaceNormal) const {
    const float d = DotProduct(surfaceNormal);
    Vector2f t = d * surfaceNormal;
    t = 2.0f * t;
    return *this - t;
}

std::ostream& operator<<(std::ostream& out, const Vector2f& vector) {
    return out << vector.ToString();
}

} // namespace tatami2d
