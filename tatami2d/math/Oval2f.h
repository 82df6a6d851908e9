#pragma once

#include "tatami2d/math/Pos2f.h"

// An axis-aligned ellipse given by its centre and two radii.
struct Oval2f {
    Oval2f() : Oval2f(0.0f, 0.0f, 0.0f, 0.0f) {}
    Oval2f(float x, float y, float radiusX, float radiusY)
        : Oval2f(Pos2f{x, y}, radiusX, radiusY) {}
    Oval2f(const Pos2f& center, float radiusX, float radiusY)
        : center{center}, radiusX{radiusX}, radiusY{radiusY} {}

    Pos2f center;
    float radiusX;
    float radiusY;
};
