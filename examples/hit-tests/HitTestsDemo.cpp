#include "HitTestsDemo.h"

#include "tatami2d/app/FilePaths.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/render/Drawing.h"
#include "tatami2d/render/HitTests.h"
#include "tatami2d/render/PolygonQueries.h"

#include <string>

using tatami2d::Box2f;
using tatami2d::ColorRGBA;
using tatami2d::Disc2f;
using tatami2d::Pos2f;
using tatami2d::Texture;
using tatami2d::WindowSpec;
namespace util2d = tatami2d::util2d;

namespace {

const Box2f kTargetBox{60.0f, 230.0f, 140.0f, 100.0f};
const Disc2f kTargetCircle{330.0f, 280.0f, 60.0f};
const Pos2f kSegmentStart{440.0f, 220.0f};
const Pos2f kSegmentEnd{600.0f, 340.0f};
// Convex, because FillPolygon fills convex outlines only.
const Pos2f kPolygon[]{
    {450.0f, 50.0f}, {590.0f, 70.0f}, {610.0f, 150.0f}, {530.0f, 200.0f}, {440.0f, 140.0f}};
constexpr size_t kPolygonSize = 5;
// How near the pointer must come to the thin segment to touch it.
constexpr float kPointerReach = 4.0f;

const ColorRGBA kBackground{0.11f, 0.12f, 0.14f, 1.0f};
const ColorRGBA kIdle{0.55f, 0.58f, 0.62f, 1.0f};
const ColorRGBA kLitFill{0.35f, 0.85f, 0.55f, 0.35f};
const ColorRGBA kLitEdge{0.45f, 0.95f, 0.60f, 1.0f};
const ColorRGBA kDisc{0.98f, 0.60f, 0.22f, 0.85f};
const ColorRGBA kBox{0.38f, 0.56f, 0.98f, 0.85f};
const ColorRGBA kWhite{0.95f, 0.95f, 0.95f, 1.0f};
const ColorRGBA kText{0.80f, 0.82f, 0.86f, 1.0f};

// The framework tests no box against a polygon; its pieces make one: an edge that meets the
// box (an end inside it counts), or the box wholly inside the polygon.
bool IsOverlappingPolygon(const Box2f& r) {
    for (size_t i = 0; i < kPolygonSize; ++i) {
        if (util2d::IsOverlapping(kPolygon[i], kPolygon[(i + 1) % kPolygonSize], r)) {
            return true;
        }
    }
    return util2d::IsPointInPolygon(Pos2f{r.left, r.bottom}, kPolygon, kPolygonSize);
}

// Touched targets are filled and edged brightly, the others only outlined.
float Edge(bool lit) {
    util2d::SetColor(lit ? kLitEdge : kIdle);
    return lit ? 3.0f : 2.0f;
}

} // namespace

HitTestsDemo::HitTestsDemo(const WindowSpec& windowSpec)
    : windowWidth{windowSpec.width}, windowHeight{windowSpec.height}, pointer{}, drag{Drag::None},
      grabOffset{}, disc{120.0f, 110.0f, 30.0f}, box{220.0f, 80.0f, 70.0f, 50.0f}, targetLit{},
      discTouches{false}, boxTouches{false} {
    const struct {
        const char* text;
        int size;
        Pos2f bottomLeft;
    } texts[]{{"Drag the disc and the box; touched targets light up.", 20, {20.0f, 435.0f}},
              {"Box: a shared edge counts", 15, {40.0f, 340.0f}},
              {"Circle: touching circles", 15, {262.0f, 372.0f}},
              {"do not overlap", 15, {285.0f, 352.0f}},
              {"Segment: touching counts", 15, {450.0f, 352.0f}},
              {"Polygon, even-odd inside", 15, {455.0f, 18.0f}}};
    const std::string font = tatami2d::FindFile("assets/Baloo.ttf");
    for (const auto& text : texts) {
        labels.push_back({Texture{text.text, font, text.size, kText}, text.bottomLeft});
    }
}

void HitTestsDemo::OnMouseMotion(const SDL_MouseMotionEvent& e) {
    pointer = Pos2f{static_cast<float>(e.x), static_cast<float>(e.y)};
    if (drag == Drag::Disc) {
        disc.center = pointer + grabOffset;
    } else if (drag == Drag::Box) {
        const Pos2f corner = pointer + grabOffset;
        box.left = corner.x;
        box.bottom = corner.y;
    }
}

void HitTestsDemo::OnMouseDown(const SDL_MouseButtonEvent& e) {
    pointer = Pos2f{static_cast<float>(e.x), static_cast<float>(e.y)};
    if (e.button != SDL_BUTTON_LEFT) {
        return;
    }
    if (util2d::IsPointInCircle(pointer, disc)) {
        drag = Drag::Disc;
        grabOffset = disc.center - pointer;
    } else if (util2d::IsPointInRect(pointer, box)) {
        drag = Drag::Box;
        grabOffset = Pos2f{box.left, box.bottom} - pointer;
    }
}

void HitTestsDemo::OnMouseUp(const SDL_MouseButtonEvent& e) {
    if (e.button == SDL_BUTTON_LEFT) {
        drag = Drag::None;
    }
}

void HitTestsDemo::Update(float /*elapsedSec*/) {
    using namespace util2d;
    const bool discOn[]{IsOverlapping(kTargetBox, disc), IsOverlapping(kTargetCircle, disc),
                        IsOverlapping(kSegmentStart, kSegmentEnd, disc),
                        IsOverlapping(kPolygon, kPolygonSize, disc)};
    const bool boxOn[]{IsOverlapping(kTargetBox, box), IsOverlapping(box, kTargetCircle),
                       IsOverlapping(kSegmentStart, kSegmentEnd, box), IsOverlappingPolygon(box)};
    const bool pointerOn[]{
        IsPointInRect(pointer, kTargetBox), IsPointInCircle(pointer, kTargetCircle),
        IsOverlapping(kSegmentStart, kSegmentEnd, Disc2f{pointer, kPointerReach}),
        IsPointInPolygon(pointer, kPolygon, kPolygonSize)};
    discTouches = boxTouches = false;
    for (int i = 0; i < 4; ++i) {
        targetLit[i] = pointerOn[i] || discOn[i] || boxOn[i];
        discTouches = discTouches || discOn[i];
        boxTouches = boxTouches || boxOn[i];
    }
}

void HitTestsDemo::Draw() const {
    util2d::SetColor(kBackground);
    util2d::FillRect(0.0f, 0.0f, windowWidth, windowHeight);

    util2d::SetColor(kLitFill);
    if (targetLit[0]) {
        util2d::FillRect(kTargetBox);
    }
    if (targetLit[1]) {
        util2d::FillEllipse(kTargetCircle.center, kTargetCircle.radius, kTargetCircle.radius);
    }
    if (targetLit[3]) {
        util2d::FillPolygon(kPolygon, kPolygonSize);
    }
    util2d::DrawRect(kTargetBox, Edge(targetLit[0]));
    const float circleEdge = Edge(targetLit[1]);
    util2d::DrawEllipse(kTargetCircle.center, kTargetCircle.radius, kTargetCircle.radius,
                        circleEdge);
    util2d::DrawLine(kSegmentStart, kSegmentEnd, 2.0f * Edge(targetLit[2]));
    util2d::DrawPolygon(kPolygon, kPolygonSize, true, Edge(targetLit[3]));

    util2d::SetColor(kDisc);
    util2d::FillEllipse(disc.center, disc.radius, disc.radius);
    util2d::SetColor(kBox);
    util2d::FillRect(box);
    util2d::SetColor(kWhite);
    if (discTouches) {
        util2d::DrawEllipse(disc.center, disc.radius, disc.radius, 2.0f);
    }
    if (boxTouches) {
        util2d::DrawRect(box, 2.0f);
    }
    util2d::DrawLine(pointer.x - 8.0f, pointer.y, pointer.x + 8.0f, pointer.y, 1.0f);
    util2d::DrawLine(pointer.x, pointer.y - 8.0f, pointer.x, pointer.y + 8.0f, 1.0f);

    for (const Label& label : labels) {
        label.text.Draw(label.bottomLeft, Box2f{});
    }
}
