#pragma once

#include "tatami2d/math/Pos2f.h"
#include "tatami2d/math/Vector2f.h"
#include "tatami2d/math/WindowSpec.h"
#include "tatami2d/render/HitInfo.h"

#include <vector>

#include <SDL.h>

// The outlines of assets/rock.svg (a rock and the hole in it), turned and scaled by a
// Matrix2x3 that spins with the elapsed time. A ray from a fixed point at the bottom left
// aims at the pointer; where it first meets an outline it shows the edge's normal and
// bounces once. The outlines and the pointer turn green while the pointer is inside the
// rock (inside one outline, not both).
class OutlinesDemo {
public:
    explicit OutlinesDemo(const tatami2d::WindowSpec& windowSpec);

    void OnKeyDown(const SDL_KeyboardEvent& /*e*/) {}
    void OnKeyUp(const SDL_KeyboardEvent& /*e*/) {}
    void OnMouseMotion(const SDL_MouseMotionEvent& e);
    void OnMouseDown(const SDL_MouseButtonEvent& /*e*/) {}
    void OnMouseUp(const SDL_MouseButtonEvent& /*e*/) {}
    void Update(float elapsedSec);
    void Draw() const;

private:
    // The nearest hit of the segment on any of the turned outlines.
    bool Raycast(const tatami2d::Pos2f& from, const tatami2d::Pos2f& to,
                 tatami2d::HitInfo& nearest) const;

    float windowWidth;
    float windowHeight;
    std::vector<std::vector<tatami2d::Pos2f>> outlines; // as loaded, y upwards, in viewBox units
    std::vector<std::vector<tatami2d::Pos2f>> turned;   // in window coordinates
    float angle;                                        // degrees, counter-clockwise
    tatami2d::Pos2f pointer;
    bool pointerInside;
    tatami2d::Pos2f rayEnd; // the first hit, or the far end when nothing is hit
    bool rayHits;
    tatami2d::Vector2f normal; // at the hit, facing the ray's source
    tatami2d::Pos2f bounceEnd;
};
