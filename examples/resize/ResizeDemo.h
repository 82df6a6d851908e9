#pragma once

#include "tatami2d/math/Pos2f.h"
#include "tatami2d/math/WindowSpec.h"
#include "tatami2d/render/Texture.h"

#include <vector>

#include <SDL.h>

// A scene drawn in a logical window of 640 x 480 whatever the real window's size: resize it,
// make it full screen (F) or move it to a high-density display, and the scene scales to fit
// with black bars beside it while clicks still land on the shape under the pointer. A click
// selects the circle, the square or the triangle; the wheel turns the dial; the scene pauses
// while the window lacks the focus; Escape ends the program. Reads assets/Baloo.ttf.
class ResizeDemo {
public:
    explicit ResizeDemo(const tatami2d::WindowSpec& windowSpec);

    void OnKeyDown(const SDL_KeyboardEvent& e);
    void OnKeyUp(const SDL_KeyboardEvent& /*e*/) {}
    void OnMouseMotion(const SDL_MouseMotionEvent& e);
    void OnMouseDown(const SDL_MouseButtonEvent& e);
    void OnMouseUp(const SDL_MouseButtonEvent& /*e*/) {}
    void OnMouseWheel(const SDL_MouseWheelEvent& e);
    void OnFocusGained() { paused = false; }
    void OnFocusLost() { paused = true; }
    void Update(float elapsedSec);
    void Draw() const;

private:
    enum class Shape { None, Circle, Square, Triangle };

    Shape ShapeAt(const tatami2d::Pos2f& point) const;
    void DrawShapes() const;

    float windowWidth;
    float windowHeight;
    tatami2d::Pos2f pointer;
    Shape selected;
    float spin;      // the selected shape's turn, radians
    float dialAngle; // radians, counter-clockwise from the right
    bool paused;
    std::vector<tatami2d::Texture> captions; // one per Shape, then the help lines
    tatami2d::Texture pausedText;
};
