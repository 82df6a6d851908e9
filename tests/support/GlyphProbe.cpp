#include "support/GlyphProbe.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include <SDL_opengl.h>

using namespace tatami2d;

int GlyphsIn(const Pos2f& anchor, const Canvas::Color& color) {
    const Pixel ink = PixelOf(color);
    const int y = static_cast<int>(anchor.y);
    int count = 0;
    for (int x = static_cast<int>(anchor.x); count < 12; x -= 29, ++count) {
        if (CountPixels(x, y, 24, 10, ink) > 0 || CountPixels(x, y + 10, 24, 1, ink) == 0 ||
            CountPixels(x, y + 20, 24, 11, ink) < 20 || CountPixels(x + 23, y, 6, 40, ink) > 0) {
            break;
        }
    }
    return count;
}

bool IsNear(const Pixel& pixel, const Pixel& color, int tolerance) {
    return std::abs(pixel.r - color.r) <= tolerance && std::abs(pixel.g - color.g) <= tolerance &&
           std::abs(pixel.b - color.b) <= tolerance;
}

int CountPixels(int x, int y, int w, int h, const Pixel& color) {
    std::vector<Pixel> pixels(static_cast<size_t>(w * h));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(),
                                          [&](const Pixel& p) { return IsNear(p, color); }));
}

Pixel PixelOf(const Canvas::Color& color) {
    const auto byte = [](float c) { return static_cast<std::uint8_t>(std::lround(c * 255.0f)); };
    return Pixel{byte(color.r), byte(color.g), byte(color.b), 255};
}
