#include "tools/CoinSheet.h"

#include "tools/Shapes.h"

#include <algorithm>
#include <cmath>

namespace coinsheet {
namespace {

constexpr float kPi = 3.14159265f;
constexpr float kRadius = 26.0f;
constexpr float kRim = 3.5f;
// The coin's thickness, which is all that shows edge on.
constexpr float kMinWidth = 3.0f;

constexpr Canvas::Color kRimGold{0.72f, 0.48f, 0.10f, 1.0f};
constexpr Canvas::Color kFaceGold{0.97f, 0.77f, 0.22f, 1.0f};
constexpr Canvas::Color kEmblem{0.85f, 0.58f, 0.12f, 1.0f};
constexpr Canvas::Color kShine{1.0f, 0.95f, 0.75f, 0.8f};

Canvas::Shape Ellipse(shapes::Point center, float radiusX, float radiusY) {
    return [=](float x, float y) {
        const float dx = (x - center.x) / radiusX;
        const float dy = (y - center.y) / radiusY;
        return dx * dx + dy * dy <= 1.0f;
    };
}

// A face shape drawn upright, seen squeezed to `squeeze` of its width about the centre.
Canvas::Shape Squeezed(const Canvas::Shape& shape, shapes::Point center, float squeeze) {
    return [=](float x, float y) { return shape(center.x + (x - center.x) / squeeze, y); };
}

Canvas::Shape Star(shapes::Point c) {
    const auto corner = [c](int i, float radius) {
        const float angle = -kPi / 2.0f + static_cast<float>(i) * 2.0f * kPi / 3.0f;
        return shapes::Point{c.x + radius * std::cos(angle), c.y + radius * std::sin(angle)};
    };
    const auto flipped = [c](shapes::Point p) { return shapes::Point{p.x, 2.0f * c.y - p.y}; };
    return shapes::Union({shapes::Triangle(corner(0, 14.0f), corner(1, 14.0f), corner(2, 14.0f)),
                          shapes::Triangle(flipped(corner(0, 14.0f)), flipped(corner(1, 14.0f)),
                                           flipped(corner(2, 14.0f)))});
}

void PaintFrame(Canvas& sheet, int frame) {
    const shapes::Point center{
        static_cast<float>(frame % kColumns * kFrameSize) + kFrameSize / 2.0f,
        static_cast<float>(frame / kColumns * kFrameSize) + kFrameSize / 2.0f};
    const float turn = std::cos(static_cast<float>(frame) * kPi / 4.0f);
    const float squeeze = std::max(std::fabs(turn), kMinWidth / kRadius);
    sheet.Fill(Ellipse(center, kRadius * squeeze, kRadius), kRimGold);
    if (std::fabs(turn) * kRadius < kMinWidth) {
        return;
    }
    sheet.Fill(Ellipse(center, (kRadius - kRim) * squeeze, kRadius - kRim), kFaceGold);
    const Canvas::Shape emblem =
        turn > 0.0f ? Star(center) : shapes::StadiumBand(center, center, 10.0f, 2.5f);
    sheet.Fill(Squeezed(emblem, center, squeeze), kEmblem);
    sheet.Fill(Squeezed(Ellipse({center.x - 10.0f, center.y - 12.0f}, 5.0f, 3.0f), center, squeeze),
               kShine);
}

} // namespace

Canvas Paint() {
    Canvas sheet{kColumns * kFrameSize, kRows * kFrameSize};
    for (int frame = 0; frame < kColumns * kRows; ++frame) {
        PaintFrame(sheet, frame);
    }
    return sheet;
}

} // namespace coinsheet
