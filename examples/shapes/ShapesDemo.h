#pragma once

#include "tatami2d/math/Pos2f.h"
#include "tatami2d/math/WindowSpec.h"

#include <vector>

#include <SDL.h>

// Every drawing primitive of util2d in a 4 x 3 grid of cells: points, lines, triangles,
// rectangles, ellipses, arcs and polygons, outlined and filled, in colours, widths and
// sizes. One arc turns with the elapsed time. Input is ignored.
class ShapesDemo {
public:
    explicit ShapesDemo(const tatami2d::WindowSpec& windowSpec);

    void OnKeyDown(const SDL_KeyboardEvent& /*e*/) {}
    void OnKeyUp(const SDL_KeyboardEvent& /*e*/) {}
    void OnMouseMotion(const SDL_MouseMotionEvent& /*e*/) {}
    void OnMouseDown(const SDL_MouseButtonEvent& /*e*/) {}
    void OnMouseUp(const SDL_MouseButtonEvent& /*e*/) {}
    void Update(float elapsedSec);
    void Draw() const;

private:
    float windowWidth;
    float windowHeight;
    float spinnerAngle; // radians, counter-clockwise
    std::vector<tatami2d::Pos2f> star;
    std::vector<tatami2d::Pos2f> hexagon;
};
