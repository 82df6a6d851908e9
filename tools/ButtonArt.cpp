#include "tools/ButtonArt.h"

#include "tools/Palette.h"
#include "tools/Shapes.h"

#include <cmath>

namespace buttonart {
namespace {

constexpr float kCenter = kSize / 2.0f;
constexpr float kStroke = 1.75f; // half the width of an icon stroke

Canvas WithPlate() {
    Canvas canvas{kSize, kSize};
    canvas.Fill(shapes::Disc({kCenter, kCenter}, kCenter - 0.5f), palette::kPlate);
    return canvas;
}

} // namespace

Canvas PaintCheck() {
    Canvas canvas = WithPlate();
    const shapes::Point knee{13.5f, 21.5f};
    canvas.Fill(shapes::Union({shapes::Capsule({8.5f, 16.5f}, knee, kStroke),
                               shapes::Capsule(knee, {23.5f, 10.0f}, kStroke)}),
                palette::kGreen);
    return canvas;
}

Canvas PaintDelete() {
    Canvas canvas = WithPlate();
    canvas.Fill(shapes::Union({shapes::Capsule({10.5f, 10.5f}, {21.5f, 21.5f}, kStroke),
                               shapes::Capsule({21.5f, 10.5f}, {10.5f, 21.5f}, kStroke)}),
                palette::kRed);
    return canvas;
}

Canvas PaintRefresh() {
    Canvas canvas = WithPlate();
    constexpr float radius = 8.0f;
    // The ring turns counter-clockwise from 125 degrees round to 50 degrees; the head at
    // its end points on along the turn, into the gap at the top right.
    constexpr float ringStart = 125.0f;
    constexpr float ringEnd = 360.0f + 50.0f;
    const float endAngle = ringEnd * 3.14159265f / 180.0f;
    const shapes::Point outward{std::cos(endAngle), -std::sin(endAngle)};
    const shapes::Point along{-std::sin(endAngle), -std::cos(endAngle)};
    const shapes::Point onRing{kCenter + radius * outward.x, kCenter + radius * outward.y};
    constexpr float headHalf = 5.0f;
    constexpr float headLength = 7.0f;
    canvas.Fill(
        shapes::Union(
            {shapes::ArcBand({kCenter, kCenter}, radius, kStroke, ringStart, ringEnd),
             shapes::Triangle({onRing.x + outward.x * headHalf, onRing.y + outward.y * headHalf},
                              {onRing.x - outward.x * headHalf, onRing.y - outward.y * headHalf},
                              {onRing.x + along.x * headLength, onRing.y + along.y * headLength})}),
        palette::kWhite);
    return canvas;
}

} // namespace buttonart
