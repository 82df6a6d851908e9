#pragma once

#include <functional>
#include <vector>

// One vertex as OpenGL would rasterise it: window pixels from the bottom-left corner of the
// drawable, its colour and its texture coordinates.
struct FeedbackVertex {
    float x, y;
    float r, g, b, a;
    float s, t;
};

// The vertices of every point, line and polygon that draw sends, after the projection, the
// viewport and clipping, in order; nothing reaches the framebuffer. Mesa sends a quad (a, b,
// c, d) as the triangles (a, b, d) and (b, c, d).
std::vector<FeedbackVertex> Feedback(const std::function<void()>& draw);
