#include "tatami2d/math/Placement.h"

#include <cmath>

namespace tatami2d {

Matrix2x3 Placement::ToMatrix() const {
    const float cosine = std::cos(rotation);
    const float sine = std::sin(rotation);
    const Vector2f dirX{cosine * scale.x, sine * scale.x};
    const Vector2f dirY{-sine * scale.y, cosine * scale.y};
    // The origin must land on position: subtract where the linear part alone takes it.
    const Vector2f orig = Vector2f{position} - (origin.x * dirX + origin.y * dirY);
    return Matrix2x3{dirX, dirY, orig};
}

} // namespace tatami2d
