#include "OutlinesDemo.h"

#include "tatami2d/app/FilePaths.h"
#include "tatami2d/math/ColorRGBA.h"
#include "tatami2d/math/Matrix2x3.h"
#include "tatami2d/render/Drawing.h"
#include "tatami2d/render/PolygonQueries.h"
#include "tatami2d/svg/SVGParser.h"

#include <cmath>

using tatami2d::ColorRGBA;
using tatami2d::HitInfo;
using tatami2d::Matrix2x3;
using tatami2d::Pos2f;
using tatami2d::SVGParser;
using tatami2d::Vector2f;
using tatami2d::WindowSpec;
namespace util2d = tatami2d::util2d;

namespace {

const Pos2f kRaySource{40.0f, 60.0f};
// Longer than the window's diagonal, so a ray that misses leaves the window.
constexpr float kRayLength = 900.0f;
constexpr float kNormalLength = 50.0f;
// The rock's centre in viewBox units, its place in the window, its size and its spin.
const Vector2f kPivot{100.0f, 80.0f};
const Vector2f kPlace{390.0f, 240.0f};
constexpr float kScale = 1.7f;
constexpr float kDegreesPerSecond = 12.0f;

const ColorRGBA kBackground{0.11f, 0.12f, 0.14f, 1.0f};
const ColorRGBA kOutside{0.55f, 0.60f, 0.70f, 1.0f};
const ColorRGBA kInside{0.40f, 0.85f, 0.48f, 1.0f};
const ColorRGBA kRay{0.98f, 0.87f, 0.35f, 1.0f};
const ColorRGBA kNormal{0.33f, 0.80f, 0.86f, 1.0f};
const ColorRGBA kBounce{0.98f, 0.60f, 0.22f, 1.0f};
const ColorRGBA kWhite{0.95f, 0.95f, 0.95f, 1.0f};

} // namespace

OutlinesDemo::OutlinesDemo(const WindowSpec& windowSpec)
    : windowWidth{windowSpec.width}, windowHeight{windowSpec.height}, angle{0.0f},
      pointer{windowSpec.width / 2.0f, windowSpec.height / 2.0f},
      // Nothing is inside or hit before the first update.
      pointerInside{false}, rayEnd{kRaySource}, rayHits{false}, normal{}, bounceEnd{kRaySource} {
    // On failure the loader reports why on stderr and leaves no outline: nothing to hit.
    SVGParser::GetVerticesFromSvgFile(tatami2d::FindFile("assets/rock.svg"), outlines);
    turned = outlines;
}

void OutlinesDemo::OnMouseMotion(const SDL_MouseMotionEvent& e) {
    pointer = Pos2f{static_cast<float>(e.x), static_cast<float>(e.y)};
}

bool OutlinesDemo::Raycast(const Pos2f& from, const Pos2f& to, HitInfo& nearest) const {
    bool found = false;
    for (const std::vector<Pos2f>& outline : turned) {
        HitInfo hit;
        if (util2d::Raycast(outline, from, to, hit) && (!found || hit.lambda < nearest.lambda)) {
            nearest = hit;
            found = true;
        }
    }
    return found;
}

void OutlinesDemo::Update(float elapsedSec) {
    angle = std::fmod(angle + kDegreesPerSecond * elapsedSec, 360.0f);
    // Read right to left: centre the rock on the origin, scale it, turn it, put it in place.
    const Matrix2x3 toWindow =
        Matrix2x3::CreateTranslationMatrix(kPlace) * Matrix2x3::CreateRotationMatrix(angle) *
        Matrix2x3::CreateScalingMatrix(kScale) * Matrix2x3::CreateTranslationMatrix(-kPivot);
    for (size_t i = 0; i < outlines.size(); ++i) {
        toWindow.Transform(outlines[i], turned[i].data());
    }

    // Even-odd over all outlines: inside the rock but also inside its hole is outside.
    pointerInside = false;
    for (const std::vector<Pos2f>& outline : turned) {
        pointerInside = pointerInside != util2d::IsPointInPolygon(pointer, outline);
    }

    const Vector2f direction = (pointer - kRaySource).Normalized();
    rayEnd = kRaySource + kRayLength * direction;
    HitInfo hit;
    rayHits = Raycast(kRaySource, rayEnd, hit);
    if (!rayHits) {
        return;
    }
    rayEnd = hit.intersectPoint;
    // The normal points into or out of the outline depending on its winding; the side the
    // ray comes from is the one worth showing. Reflection does not mind the sign.
    normal = hit.normal.DotProduct(direction) > 0.0f ? -hit.normal : hit.normal;
    // The hit lies on its edge only up to rounding, so a bounce from the hit itself could
    // meet that edge again a hair away; it starts a hundredth of a pixel off the edge.
    const Pos2f bounceStart = rayEnd + 0.01f * normal;
    bounceEnd = bounceStart + kRayLength * direction.Reflect(normal);
    HitInfo bounce;
    if (Raycast(bounceStart, bounceEnd, bounce)) {
        bounceEnd = bounce.intersectPoint;
    }
}

void OutlinesDemo::Draw() const {
    util2d::SetColor(kBackground);
    util2d::FillRect(0.0f, 0.0f, windowWidth, windowHeight);

    const ColorRGBA& readOut = pointerInside ? kInside : kOutside;
    util2d::SetColor(readOut);
    for (const std::vector<Pos2f>& outline : turned) {
        util2d::DrawPolygon(outline, true, 3.0f);
    }

    util2d::SetColor(kRay);
    util2d::DrawLine(kRaySource, rayEnd, 3.0f);
    util2d::FillEllipse(kRaySource, 6.0f, 6.0f);
    if (rayHits) {
        util2d::SetColor(kBounce);
        util2d::DrawLine(rayEnd, bounceEnd, 3.0f);
        util2d::SetColor(kNormal);
        util2d::DrawLine(rayEnd, rayEnd + kNormalLength * normal, 3.0f);
        util2d::SetColor(kWhite);
        util2d::DrawPoint(rayEnd, 8.0f);
    }

    util2d::SetColor(readOut);
    util2d::FillEllipse(pointer, 7.0f, 7.0f);
    util2d::SetColor(kWhite);
    util2d::DrawEllipse(pointer, 7.0f, 7.0f, 1.0f);
}
