#pragma once

#include <functional>
#include <vector>

// One vertex as OpenGL would rasterise it: window pixels from the drawable's bottom-left corner,
// its colour (r, g, b, a) and texture coordinates (s, t).
struct FeedbackVertex {
    float x, y, r, g, b, a, s, t;
};

// The vertices of every point, line and polygon that draw sends, after projection, viewport and
// clipping, in order; nothing reaches the framebuffer. Mesa sends a quad (a, b, c, d) as the
// triangles (a, b, d) and (b, c, d).
std::vector<FeedbackVertex> Feedback(const std::function<void()>& draw);
