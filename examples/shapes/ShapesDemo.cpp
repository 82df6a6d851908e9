#include "ShapesDemo.h"

#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Oval2f.h"
#include "tatami2d/math/Pos2f.h"
#include "tatami2d/render/Drawing.h"

#include <cmath>
#include <vector>

using tatami2d::Box2f;
using tatami2d::ColorRGBA;
using tatami2d::Oval2f;
using tatami2d::Pos2f;
using tatami2d::WindowSpec;
namespace util2d = tatami2d::util2d;

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kCell = 160.0f;

const ColorRGBA kBackground{0.11f, 0.12f, 0.14f, 1.0f};
const ColorRGBA kGrid{0.24f, 0.26f, 0.30f, 1.0f};
const ColorRGBA kRed{0.94f, 0.33f, 0.31f, 1.0f};
const ColorRGBA kOrange{0.98f, 0.62f, 0.22f, 1.0f};
const ColorRGBA kYellow{0.98f, 0.87f, 0.35f, 1.0f};
const ColorRGBA kGreen{0.40f, 0.82f, 0.45f, 1.0f};
const ColorRGBA kCyan{0.33f, 0.80f, 0.86f, 1.0f};
const ColorRGBA kBlue{0.38f, 0.56f, 0.98f, 1.0f};
const ColorRGBA kViolet{0.70f, 0.48f, 0.95f, 1.0f};
const ColorRGBA kWhite{0.92f, 0.92f, 0.92f, 1.0f};

// A point (x, y) inside cell (column, row), rows counted from the top of the 4 x 3 grid.
Pos2f At(int column, int row, float x, float y) {
    return Pos2f{static_cast<float>(column) * kCell + x, static_cast<float>(2 - row) * kCell + y};
}

void DrawPointsAndLines() {
    const float sizes[] = {1.0f, 2.0f, 4.0f, 8.0f, 12.0f};
    const ColorRGBA colors[] = {kWhite, kYellow, kOrange, kRed, kViolet};
    for (int i = 0; i < 5; ++i) {
        util2d::SetColor(colors[i]);
        util2d::DrawPoint(At(0, 0, 24.0f + 28.0f * static_cast<float>(i), 120.0f), sizes[i]);
    }
    // One call for a whole row of points: a sine wave.
    Pos2f wave[24];
    for (int i = 0; i < 24; ++i) {
        const float x = 12.0f + 6.0f * static_cast<float>(i);
        wave[i] = At(0, 0, x, 60.0f + 30.0f * std::sin(x / 20.0f));
    }
    util2d::SetColor(kCyan);
    util2d::DrawPoints(wave, 24, 4.0f);

    const float widths[] = {1.0f, 2.0f, 4.0f, 6.0f, 9.0f};
    for (int i = 0; i < 5; ++i) {
        const float y = 20.0f + 28.0f * static_cast<float>(i);
        util2d::SetColor(colors[4 - i]);
        util2d::DrawLine(At(1, 0, 16.0f, y), At(1, 0, 144.0f, y + 16.0f), widths[i]);
    }
}

void DrawTrianglesAndRects() {
    util2d::SetColor(kGreen);
    util2d::FillTriangle(At(2, 0, 16.0f, 20.0f), At(2, 0, 96.0f, 20.0f), At(2, 0, 56.0f, 100.0f));
    util2d::SetColor(kWhite);
    util2d::DrawTriangle(At(2, 0, 70.0f, 60.0f), At(2, 0, 144.0f, 60.0f), At(2, 0, 107.0f, 140.0f),
                         4.0f);
    util2d::SetColor(kYellow);
    util2d::DrawTriangle(At(2, 0, 20.0f, 140.0f), At(2, 0, 60.0f, 140.0f), At(2, 0, 40.0f, 110.0f),
                         1.0f);

    const Pos2f corner = At(3, 0, 0.0f, 0.0f);
    util2d::SetColor(kBlue);
    util2d::FillRect(Box2f{corner.x + 16.0f, corner.y + 16.0f, 80.0f, 60.0f});
    util2d::SetColor(kOrange);
    util2d::DrawRect(Box2f{corner.x + 56.0f, corner.y + 50.0f, 88.0f, 70.0f}, 4.0f);
    util2d::SetColor(kWhite);
    util2d::DrawRect(At(3, 0, 24.0f, 100.0f), 40.0f, 40.0f, 1.0f);
    util2d::SetColor(kRed);
    util2d::FillRect(corner.x + 110.0f, corner.y + 16.0f, 34.0f, 24.0f);
}

void DrawTranslucentAndEllipses() {
    // Alpha 0.5: where the discs overlap, the colours blend.
    util2d::SetColor(ColorRGBA{0.94f, 0.33f, 0.31f, 0.5f});
    util2d::FillEllipse(At(0, 1, 60.0f, 95.0f), 42.0f, 42.0f);
    util2d::SetColor(ColorRGBA{0.40f, 0.82f, 0.45f, 0.5f});
    util2d::FillEllipse(At(0, 1, 100.0f, 95.0f), 42.0f, 42.0f);
    util2d::SetColor(ColorRGBA{0.38f, 0.56f, 0.98f, 0.5f});
    util2d::FillEllipse(At(0, 1, 80.0f, 60.0f), 42.0f, 42.0f);

    util2d::SetColor(kViolet);
    util2d::FillEllipse(Oval2f{At(1, 1, 80.0f, 80.0f), 60.0f, 30.0f});
    util2d::SetColor(kWhite);
    util2d::DrawEllipse(Oval2f{At(1, 1, 80.0f, 80.0f), 66.0f, 36.0f}, 2.0f);
    util2d::SetColor(kYellow);
    util2d::DrawEllipse(At(1, 1, 80.0f, 80.0f), 12.0f, 60.0f, 3.0f);

    const ColorRGBA rings[] = {kCyan, kGreen, kYellow, kOrange, kRed};
    for (int i = 0; i < 5; ++i) {
        const float radius = 66.0f - 13.0f * static_cast<float>(i);
        util2d::SetColor(rings[i]);
        util2d::DrawEllipse(At(2, 1, 80.0f, 80.0f), radius, radius, static_cast<float>(i + 1));
    }
    util2d::SetColor(kWhite);
    util2d::FillEllipse(At(2, 1, 80.0f, 80.0f), 6.0f, 6.0f);
}

void DrawArcs(float spinnerAngle) {
    util2d::SetColor(kOrange);
    util2d::DrawArc(At(3, 1, 80.0f, 80.0f), 60.0f, 60.0f, 0.0f, 1.5f * kPi, 5.0f);
    util2d::SetColor(kCyan);
    util2d::DrawArc(At(3, 1, 80.0f, 80.0f), 40.0f, 25.0f, 0.5f * kPi, 2.0f * kPi, 2.0f);
    util2d::SetColor(kWhite);
    util2d::DrawArc(At(3, 1, 80.0f, 80.0f), 12.0f, 12.0f, kPi, 2.0f * kPi, 1.0f);

    // A filled arc is a pie slice: the centre, then the arc.
    util2d::SetColor(kYellow);
    util2d::FillArc(At(0, 2, 70.0f, 80.0f), 55.0f, 55.0f, kPi / 6.0f, 2.0f * kPi - kPi / 6.0f);
    util2d::SetColor(kBackground);
    util2d::FillEllipse(At(0, 2, 76.0f, 110.0f), 7.0f, 7.0f);
    util2d::SetColor(kGreen);
    util2d::FillArc(At(0, 2, 146.0f, 40.0f), 22.0f, 34.0f, 0.5f * kPi, 1.5f * kPi);

    const Pos2f center = At(1, 2, 80.0f, 80.0f);
    util2d::SetColor(kGrid);
    util2d::DrawEllipse(center, 50.0f, 50.0f, 8.0f);
    util2d::SetColor(kViolet);
    util2d::DrawArc(center, 50.0f, 50.0f, spinnerAngle, spinnerAngle + 0.6f * kPi, 8.0f);
}

// The star and the hexagon are built once; drawing them allocates nothing.
void DrawPolygons(const std::vector<Pos2f>& star, const std::vector<Pos2f>& hexagon) {
    const Pos2f zigzag[]{At(2, 2, 14.0f, 20.0f), At(2, 2, 40.0f, 60.0f),  At(2, 2, 66.0f, 20.0f),
                         At(2, 2, 92.0f, 60.0f), At(2, 2, 118.0f, 20.0f), At(2, 2, 146.0f, 60.0f)};
    util2d::SetColor(kCyan);
    util2d::DrawPolygon(zigzag, 6, false, 3.0f);
    util2d::SetColor(kYellow);
    util2d::DrawPolygon(star, true, 2.0f);

    // FillPolygon sends one GL_POLYGON, which fills convex outlines only.
    util2d::SetColor(kBlue);
    util2d::FillPolygon(hexagon);
    util2d::SetColor(kWhite);
    util2d::DrawPolygon(hexagon, true, 3.0f);
}

} // namespace

ShapesDemo::ShapesDemo(const WindowSpec& windowSpec)
    : windowWidth{windowSpec.width}, windowHeight{windowSpec.height}, spinnerAngle{0.0f} {
    for (int i = 0; i < 10; ++i) {
        const float angle = 0.5f * kPi + static_cast<float>(i) * kPi / 5.0f;
        const float radius = i % 2 == 0 ? 44.0f : 18.0f;
        star.push_back(
            At(2, 2, 80.0f + radius * std::cos(angle), 110.0f + radius * std::sin(angle)));
    }
    for (int i = 0; i < 6; ++i) {
        const float angle = static_cast<float>(i) * kPi / 3.0f;
        hexagon.push_back(
            At(3, 2, 80.0f + 56.0f * std::cos(angle), 80.0f + 56.0f * std::sin(angle)));
    }
}

void ShapesDemo::Update(float elapsedSec) {
    // Half a turn a second, kept within one turn so the float angle stays precise.
    spinnerAngle = std::fmod(spinnerAngle + kPi * elapsedSec, 2.0f * kPi);
}

void ShapesDemo::Draw() const {
    util2d::SetColor(kBackground);
    util2d::FillRect(0.0f, 0.0f, windowWidth, windowHeight);
    util2d::SetColor(kGrid);
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 3; ++row) {
            util2d::DrawRect(At(column, row, 0.5f, 0.5f), kCell - 1.0f, kCell - 1.0f, 1.0f);
        }
    }
    DrawPointsAndLines();
    DrawTrianglesAndRects();
    DrawTranslucentAndEllipses();
    DrawArcs(spinnerAngle);
    DrawPolygons(star, hexagon);
}
