#pragma once

#include "tatami2d/math/Pos2f.h"

// A circle given by its centre and radius.
struct Disc2f {
    Disc2f() : Disc2f(0.0f, 0.0f, 0.0f) {}
    Disc2f(float x, float y, float radius) : Disc2f(Pos2f{x, y}, radius) {}
    Disc2f(const Pos2f& center, float radius) : center{center}, radius{radius} {}

    Pos2f center;
    float radius;
};
