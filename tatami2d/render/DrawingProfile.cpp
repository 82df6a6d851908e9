#include "tatami2d/render/DrawingProfile.h"

#include "tatami2d/render/Primitive.h"

#include <cstring>

namespace tatami2d {

namespace {

DrawingProfile current = DrawingProfile::FixedFunction;

} // namespace

DrawingProfile DrawingProfileFor(const char* version) {
    constexpr char kEmbedded[] = "OpenGL ES";
    const bool embedded =
        version != nullptr && std::strncmp(version, kEmbedded, sizeof kEmbedded - 1) == 0;
    return embedded ? DrawingProfile::WebSubset : DrawingProfile::FixedFunction;
}

DrawingProfile GetDrawingProfile() {
    return current;
}

void SetDrawingProfile(DrawingProfile profile) {
    current = profile;
    Primitive::ForgetSizes();
}

} // namespace tatami2d
