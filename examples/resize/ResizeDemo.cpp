#include "ResizeDemo.h"

#include "tatami2d/app/FilePaths.h"
#include "tatami2d/app/FullScreen.h"
#include "tatami2d/app/QuitRequest.h"
#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Disc2f.h"
#include "tatami2d/render/Drawing.h"
#include "tatami2d/render/HitTests.h"
#include "tatami2d/render/PolygonQueries.h"

#include <array>
#include <cmath>
#include <string>

using tatami2d::Box2f;
using tatami2d::ColorRGBA;
using tatami2d::Disc2f;
using tatami2d::Pos2f;
using tatami2d::Texture;
using tatami2d::WindowSpec;
namespace util2d = tatami2d::util2d;

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kSpinPerSecond = 0.8f;
constexpr float kDialStep = kPi / 12.0f; // a wheel notch
const Disc2f kCircle{160.0f, 240.0f, 60.0f};
const Box2f kSquare{260.0f, 180.0f, 120.0f, 120.0f};
const std::array<Pos2f, 3> kTriangle{{{420.0f, 180.0f}, {540.0f, 180.0f}, {480.0f, 300.0f}}};
const Pos2f kDial{584.0f, 412.0f};

const ColorRGBA kBackground{0.11f, 0.12f, 0.14f, 1.0f};
const ColorRGBA kGrid{0.17f, 0.18f, 0.21f, 1.0f};
const ColorRGBA kEdge{0.35f, 0.37f, 0.42f, 1.0f};
const ColorRGBA kShape{0.33f, 0.80f, 0.86f, 1.0f};
const ColorRGBA kSelected{0.98f, 0.60f, 0.22f, 1.0f};
const ColorRGBA kText{0.85f, 0.87f, 0.90f, 1.0f};
const ColorRGBA kDim{0.60f, 0.63f, 0.68f, 1.0f};
const ColorRGBA kShade{0.0f, 0.0f, 0.0f, 0.6f};

// The points turned by angle about centre.
std::array<Pos2f, 4> Turned(const std::array<Pos2f, 4>& points, const Pos2f& centre, float angle) {
    std::array<Pos2f, 4> turned{};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const float dx = points[i].x - centre.x, dy = points[i].y - centre.y;
        turned[i] = Pos2f{centre.x + dx * std::cos(angle) - dy * std::sin(angle),
                          centre.y + dx * std::sin(angle) + dy * std::cos(angle)};
    }
    return turned;
}

} // namespace

ResizeDemo::ResizeDemo(const WindowSpec& windowSpec)
    : windowWidth{windowSpec.width}, windowHeight{windowSpec.height},
      pointer{windowSpec.width / 2.0f, 80.0f}, selected{Shape::None}, spin{0.0f},
      dialAngle{kPi / 2.0f}, paused{false}, // running until the window loses the focus
      pausedText{"Paused: the window lost the focus", tatami2d::FindFile("assets/Baloo.ttf"), 24,
                 kText} {
    const std::string font = tatami2d::FindFile("assets/Baloo.ttf");
    for (const char* name : {"Click a shape", "Selected: the circle", "Selected: the square",
                             "Selected: the triangle"}) {
        captions.emplace_back(name, font, 24, kText);
    }
    captions.emplace_back("Drawn at 640 x 480 in any window: resize it, or F for full screen", font,
                          15, kDim);
    captions.emplace_back("The wheel turns the dial; Escape quits", font, 15, kDim);
}

void ResizeDemo::OnKeyDown(const SDL_KeyboardEvent& e) {
    if (e.keysym.sym == SDLK_f) {
        tatami2d::SetFullScreen(!tatami2d::IsFullScreen());
    } else if (e.keysym.sym == SDLK_ESCAPE) {
        tatami2d::RequestQuit();
    }
}

void ResizeDemo::OnMouseMotion(const SDL_MouseMotionEvent& e) {
    pointer = Pos2f{static_cast<float>(e.x), static_cast<float>(e.y)};
}

void ResizeDemo::OnMouseDown(const SDL_MouseButtonEvent& e) {
    pointer = Pos2f{static_cast<float>(e.x), static_cast<float>(e.y)};
    const Shape hit = ShapeAt(pointer);
    if (hit != Shape::None) {
        selected = hit;
        spin = 0.0f;
    }
}

void ResizeDemo::OnMouseWheel(const SDL_MouseWheelEvent& e) {
    dialAngle -= e.preciseY * kDialStep; // away from the player turns it clockwise
}

ResizeDemo::Shape ResizeDemo::ShapeAt(const Pos2f& point) const {
    if (util2d::IsPointInCircle(point, kCircle)) {
        return Shape::Circle;
    }
    if (util2d::IsPointInRect(point, kSquare)) {
        return Shape::Square;
    }
    if (util2d::IsPointInPolygon(point, kTriangle.data(), kTriangle.size())) {
        return Shape::Triangle;
    }
    return Shape::None;
}

void ResizeDemo::Update(float elapsedSec) {
    if (!paused && selected != Shape::None) {
        spin += kSpinPerSecond * elapsedSec;
    }
}

void ResizeDemo::Draw() const {
    util2d::SetColor(kBackground);
    util2d::FillRect(0.0f, 0.0f, windowWidth, windowHeight);
    util2d::SetColor(kGrid);
    for (float x = 40.0f; x < windowWidth; x += 40.0f) {
        util2d::DrawLine(x, 0.0f, x, windowHeight, 1.0f);
    }
    for (float y = 40.0f; y < windowHeight; y += 40.0f) {
        util2d::DrawLine(0.0f, y, windowWidth, y, 1.0f);
    }
    // The logical window's edge, to show where the bars begin.
    util2d::SetColor(kEdge);
    util2d::DrawRect(1.0f, 1.0f, windowWidth - 2.0f, windowHeight - 2.0f, 2.0f);

    DrawShapes();

    // The dial, and the pointer in logical units.
    util2d::SetColor(kEdge);
    util2d::DrawEllipse(kDial, 26.0f, 26.0f, 2.0f);
    util2d::SetColor(kSelected);
    util2d::DrawLine(
        kDial, Pos2f{kDial.x + 22.0f * std::cos(dialAngle), kDial.y + 22.0f * std::sin(dialAngle)},
        3.0f);
    util2d::SetColor(kText);
    util2d::DrawLine(pointer.x - 10.0f, pointer.y, pointer.x + 10.0f, pointer.y, 1.0f);
    util2d::DrawLine(pointer.x, pointer.y - 10.0f, pointer.x, pointer.y + 10.0f, 1.0f);

    captions[static_cast<std::size_t>(selected)].Draw(Pos2f{24.0f, 420.0f}, Box2f{});
    captions[4].Draw(Pos2f{24.0f, 60.0f}, Box2f{});
    captions[5].Draw(Pos2f{24.0f, 34.0f}, Box2f{});
    if (paused) {
        util2d::SetColor(kShade);
        util2d::FillRect(0.0f, 0.0f, windowWidth, windowHeight);
        pausedText.Draw(Pos2f{140.0f, 360.0f}, Box2f{});
    }
}

void ResizeDemo::DrawShapes() const {
    const auto color = [this](Shape shape) {
        util2d::SetColor(shape == selected ? kSelected : kShape);
    };
    const float circleSpin = selected == Shape::Circle ? spin : 0.0f;
    color(Shape::Circle);
    util2d::FillEllipse(kCircle.center, kCircle.radius, kCircle.radius);
    util2d::SetColor(kBackground);
    util2d::DrawLine(kCircle.center,
                     Pos2f{kCircle.center.x + kCircle.radius * std::cos(circleSpin),
                           kCircle.center.y + kCircle.radius * std::sin(circleSpin)},
                     3.0f);

    const Pos2f squareCentre{kSquare.left + kSquare.width / 2.0f,
                             kSquare.bottom + kSquare.height / 2.0f};
    const std::array<Pos2f, 4> corners{
        {{kSquare.left, kSquare.bottom},
         {kSquare.left + kSquare.width, kSquare.bottom},
         {kSquare.left + kSquare.width, kSquare.bottom + kSquare.height},
         {kSquare.left, kSquare.bottom + kSquare.height}}};
    const std::array<Pos2f, 4> square =
        Turned(corners, squareCentre, selected == Shape::Square ? spin : 0.0f);
    color(Shape::Square);
    util2d::FillPolygon(square.data(), square.size());

    color(Shape::Triangle);
    util2d::FillPolygon(kTriangle.data(), kTriangle.size());
    if (selected == Shape::Triangle) {
        util2d::SetColor(kText);
        util2d::DrawPolygon(kTriangle.data(), kTriangle.size(), true, 3.0f);
    }
}
