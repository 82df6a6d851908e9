#pragma once

// A point in world units: origin at the bottom-left of the window, y upwards.
struct Pos2f {
    Pos2f() : Pos2f(0.0f, 0.0f) {}
    Pos2f(float x, float y) : x{x}, y{y} {}

    float x;
    float y;
};
