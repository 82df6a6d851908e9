#include "CameraDemo.h"

#include "tatami2d/app/FilePaths.h"
#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Disc2f.h"
#include "tatami2d/math/Placement.h"
#include "tatami2d/render/Drawing.h"
#include "tatami2d/render/HitTests.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

using tatami2d::Box2f;
using tatami2d::ColorRGBA;
using tatami2d::Disc2f;
using tatami2d::Placement;
using tatami2d::Pos2f;
using tatami2d::Texture;
using tatami2d::Vector2f;
using tatami2d::View;
using tatami2d::WindowSpec;
namespace util2d = tatami2d::util2d;

namespace {

// Found beside the program (FindFile) wherever it was started from.
const char* const kFont = "assets/DejaVuSans.ttf";
const Box2f kWorld{0.0f, 0.0f, 2000.0f, 1500.0f};
const Pos2f kWorldCenter{1000.0f, 750.0f};
constexpr float kGridStep = 100.0f;
constexpr float kScrollPixels = 120.0f; // a key scrolls this far on screen, at any zoom
constexpr float kZoomStep = 1.25f;
constexpr float kTurnStep = 0.2617994f; // 15 degrees
const Pos2f kCoinAt{1120.0f, 620.0f};
constexpr float kCoinScale = 1.5f;
constexpr float kCoinTurnsPerSecond = 0.25f;
constexpr float kTwoPi = 6.2831855f;

const ColorRGBA kVoid{0.07f, 0.07f, 0.09f, 1.0f};
const ColorRGBA kFloor{0.16f, 0.20f, 0.17f, 1.0f};
const ColorRGBA kGrid{0.24f, 0.30f, 0.26f, 1.0f};
const ColorRGBA kEdge{0.55f, 0.65f, 0.58f, 1.0f};
const ColorRGBA kPicked{1.0f, 1.0f, 1.0f, 1.0f};
const ColorRGBA kJade{0.55f, 1.0f, 0.85f, 1.0f}; // tints the gold coin green
const ColorRGBA kText{0.88f, 0.90f, 0.92f, 1.0f};
const ColorRGBA kPalette[]{{0.85f, 0.55f, 0.25f, 1.0f},
                           {0.35f, 0.60f, 0.90f, 1.0f},
                           {0.80f, 0.35f, 0.45f, 1.0f},
                           {0.55f, 0.80f, 0.40f, 1.0f}};

// Crates (boxes) and balls (the discs inside their boxes), scattered over the world in a
// fixed pattern.
struct Thing {
    Box2f box;
    bool round;
};

Thing ThingAt(int i) {
    const float size = static_cast<float>(60 + (i * 37) % 80);
    return Thing{Box2f{static_cast<float>(120 + (i * 397) % 1700),
                       static_cast<float>(120 + (i * 233) % 1200), size, size},
                 i % 3 == 1};
}
constexpr int kThings = 18;

Disc2f BallOf(const Box2f& box) {
    return Disc2f{box.left + box.width / 2.0f, box.bottom + box.height / 2.0f, box.width / 2.0f};
}

bool Contains(const Thing& thing, const Pos2f& p) {
    return thing.round ? util2d::IsPointInCircle(p, BallOf(thing.box))
                       : util2d::IsPointInRect(p, thing.box);
}

} // namespace

CameraDemo::CameraDemo(const WindowSpec& windowSpec)
    : windowWidth{windowSpec.width}, windowHeight{windowSpec.height}, // the window's size
      camera{kWorldCenter, windowSpec.width, windowSpec.height},      // a window of the world
      minimap{kWorldCenter, kWorld.width, kWorld.height},             // the whole world
      coin{tatami2d::FindFile("assets/coin.png"), 4, 2, Pos2f{}}, coinAngle{0.0f}, picked{-1},
      font{tatami2d::FindFile(kFont), 15},
      help{"Arrows scroll · + and − zoom · Q and E turn · click to pick", font, kText},
      // Written by ShowStatus below.
      status{"", font, kText} {
    // Top right, in the world's proportions.
    minimap.SetViewport(Box2f{windowWidth - 170.0f, windowHeight - 130.0f, 160.0f, 120.0f});
    ShowStatus();
}

void CameraDemo::OnKeyDown(const SDL_KeyboardEvent& e) {
    // Scrolling follows the screen's axes, which the turned camera shows turned in the world.
    const float step = kScrollPixels / camera.GetZoom();
    const Vector2f right{std::cos(camera.GetRotation()) * step,
                         std::sin(camera.GetRotation()) * step};
    switch (e.keysym.sym) {
    case SDLK_LEFT:
        camera.SetCenter(camera.GetCenter() - right);
        break;
    case SDLK_RIGHT:
        camera.SetCenter(camera.GetCenter() + right);
        break;
    case SDLK_UP:
        camera.SetCenter(camera.GetCenter() + right.Orthogonal());
        break;
    case SDLK_DOWN:
        camera.SetCenter(camera.GetCenter() - right.Orthogonal());
        break;
    case SDLK_EQUALS:
    case SDLK_PLUS:
    case SDLK_KP_PLUS:
        camera.SetZoom(std::min(camera.GetZoom() * kZoomStep, 4.0f));
        break;
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
        camera.SetZoom(std::max(camera.GetZoom() / kZoomStep, 0.25f));
        break;
    case SDLK_q:
        camera.SetRotation(camera.GetRotation() + kTurnStep);
        break;
    case SDLK_e:
        camera.SetRotation(camera.GetRotation() - kTurnStep);
        break;
    default:
        return;
    }
    ShowStatus();
}

void CameraDemo::OnMouseUp(const SDL_MouseButtonEvent& e) {
    if (e.button != SDL_BUTTON_LEFT) {
        return;
    }
    const Pos2f at{static_cast<float>(e.x), static_cast<float>(e.y)};
    if (util2d::IsPointInRect(at, minimap.GetViewport())) {
        camera.SetCenter(minimap.WindowToWorld(at));
    } else {
        // The topmost thing under the pointer: the last one drawn.
        const Pos2f world = camera.WindowToWorld(at);
        picked = -1;
        for (int i = kThings - 1; i >= 0 && picked < 0; --i) {
            picked = Contains(ThingAt(i), world) ? i : -1;
        }
    }
    ShowStatus();
}

void CameraDemo::Update(float elapsedSec) {
    coinAngle = std::fmod(coinAngle + elapsedSec * kCoinTurnsPerSecond * kTwoPi, kTwoPi);
}

void CameraDemo::ShowStatus() {
    char text[160];
    const Pos2f center = camera.GetCenter();
    const int degrees = static_cast<int>(std::lround(camera.GetRotation() * 57.29578f));
    int length = std::snprintf(text, sizeof text, "Zoom %.2f · turned %d° · centre (%.0f, %.0f)",
                               static_cast<double>(camera.GetZoom()), degrees,
                               static_cast<double>(center.x), static_cast<double>(center.y));
    if (picked >= 0) {
        const Thing thing = ThingAt(picked);
        std::snprintf(text + length, sizeof text - static_cast<size_t>(length), " · picked %s %d",
                      thing.round ? "ball" : "crate", picked);
    }
    status = Texture{text, font, kText};
}

void CameraDemo::DrawWorld() const {
    util2d::SetColor(kFloor);
    util2d::FillRect(kWorld);
    util2d::SetColor(kGrid);
    for (float x = kGridStep; x < kWorld.width; x += kGridStep) {
        util2d::DrawLine(x, 0.0f, x, kWorld.height, 1.0f);
    }
    for (float y = kGridStep; y < kWorld.height; y += kGridStep) {
        util2d::DrawLine(0.0f, y, kWorld.width, y, 1.0f);
    }
    util2d::SetColor(kEdge);
    util2d::DrawRect(kWorld, 4.0f);

    for (int i = 0; i < kThings; ++i) {
        const Thing thing = ThingAt(i);
        util2d::SetColor(kPalette[i % std::size(kPalette)]);
        if (thing.round) {
            util2d::FillEllipse(BallOf(thing.box).center, thing.box.width / 2.0f,
                                thing.box.width / 2.0f);
        } else {
            util2d::FillRect(thing.box);
        }
        if (i == picked) {
            util2d::SetColor(kPicked);
            util2d::DrawRect(thing.box, 3.0f);
        }
    }

    // Turned about the frame's centre, larger than the sheet draws it, and tinted.
    const Pos2f middle{coin.GetFrameWidth() / 2.0f, coin.GetFrameHeight() / 2.0f};
    coin.Draw(Placement{kCoinAt, middle, coinAngle, Vector2f{kCoinScale, kCoinScale}}, kJade);
}

void CameraDemo::Draw() const {
    View::ApplyDefault();
    util2d::SetColor(kVoid);
    util2d::FillRect(0.0f, 0.0f, windowWidth, windowHeight);

    camera.Apply();
    DrawWorld();

    minimap.Apply();
    DrawWorld();
    // What the camera sees, as a quadrilateral in the world: its window corners mapped.
    const Pos2f seen[]{camera.WindowToWorld(Pos2f{0.0f, 0.0f}),
                       camera.WindowToWorld(Pos2f{windowWidth, 0.0f}),
                       camera.WindowToWorld(Pos2f{windowWidth, windowHeight}),
                       camera.WindowToWorld(Pos2f{0.0f, windowHeight})};
    util2d::SetColor(kPicked);
    util2d::DrawPolygon(seen, std::size(seen), true, 2.0f);

    View::ApplyDefault();
    util2d::SetColor(kEdge);
    util2d::DrawRect(minimap.GetViewport(), 2.0f);
    help.Draw(Pos2f{12.0f, 12.0f}, Box2f{});
    status.Draw(Pos2f{12.0f, 36.0f}, Box2f{});
}
