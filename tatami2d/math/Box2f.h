#pragma once

// An axis-aligned rectangle spanning left..left + width and bottom..bottom + height.
// Negative sizes are stored as given; callers decide what they mean.
struct Box2f {
    Box2f() : Box2f(0.0f, 0.0f, 0.0f, 0.0f) {}
    Box2f(float left, float bottom, float width, float height)
        : left{left}, bottom{bottom}, width{width}, height{height} {}

    float left;
    float bottom;
    float width;
    float height;
};
