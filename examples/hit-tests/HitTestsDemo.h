#pragma once

#include "tatami2d/math/Box2f.h"
#include "tatami2d/math/Disc2f.h"
#include "tatami2d/math/Pos2f.h"
#include "tatami2d/math/Vector2f.h"
#include "tatami2d/math/WindowSpec.h"
#include "tatami2d/render/Texture.h"

#include <vector>

#include <SDL.h>

// Four targets (a box, a circle, a segment and a convex polygon) light up while the pointer,
// the orange disc or the blue box touches them; the disc and the box are dragged with the
// left button, and show a white rim while they touch a target. Where shapes only touch, the
// rules show: a shared edge counts for boxes, points and segments, while two circles that
// only touch do not overlap. Reads its font from assets/.
class HitTestsDemo {
public:
    explicit HitTestsDemo(const tatami2d::WindowSpec& windowSpec);

    void OnKeyDown(const SDL_KeyboardEvent& /*e*/) {}
    void OnKeyUp(const SDL_KeyboardEvent& /*e*/) {}
    void OnMouseMotion(const SDL_MouseMotionEvent& e);
    void OnMouseDown(const SDL_MouseButtonEvent& e);
    void OnMouseUp(const SDL_MouseButtonEvent& e);
    void Update(float elapsedSec);
    void Draw() const;

private:
    enum class Drag { None, Disc, Box };
    struct Label {
        tatami2d::Texture text;
        tatami2d::Pos2f bottomLeft;
    };

    float windowWidth;
    float windowHeight;
    tatami2d::Pos2f pointer;
    Drag drag;
    tatami2d::Vector2f grabOffset; // from the pointer to the dragged shape's centre or corner
    tatami2d::Disc2f disc;
    tatami2d::Box2f box;
    // Box, circle, segment, polygon: touched by the pointer, the disc or the box.
    bool targetLit[4];
    bool discTouches;
    bool boxTouches;
    std::vector<Label> labels;
};
