#include "support/GlyphProbe.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>

#include <SDL_opengl.h>

namespace {
constexpr int kWidth = 24, kHeight = 40, kStep = 29, kMaxGlyphs = 12;
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

GlyphRow ReadGlyphRow(const Pos2f& anchor) {
    const int right = static_cast<int>(anchor.x) + kWidth;
    const int left = std::max(0, right - kMaxGlyphs * kStep);
    const int width = right - left;
    std::vector<Pixel> pixels(static_cast<size_t>(width * kHeight));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(left, static_cast<int>(anchor.y), width, kHeight, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());

    // The backgrounds are dark greys: ink is anything clearly brighter.
    GlyphRow row;
    std::map<int, int> inkColours;
    for (bool hasInk = true; hasInk && row.count < kMaxGlyphs;) {
        hasInk = false;
        const int x0 = static_cast<int>(anchor.x) - row.count * kStep - left;
        for (int x = std::max(0, x0); x < std::min(width, x0 + kWidth); ++x) {
            for (int y = 0; y < kHeight; ++y) {
                const Pixel& p = pixels[static_cast<size_t>(y * width + x)];
                if (std::max({p.r, p.g, p.b}) > 80) {
                    hasInk = true;
                    ++inkColours[(p.r << 16) | (p.g << 8) | p.b];
                }
            }
        }
        row.count += hasInk ? 1 : 0;
    }
    const auto most = std::max_element(inkColours.begin(), inkColours.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    if (most != inkColours.end()) {
        const int c = most->first;
        row.color = Pixel{static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                          static_cast<std::uint8_t>(c), 255};
    }
    return row;
}
