#include "support/GlyphProbe.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>
#include <vector>

#include <SDL_opengl.h>

namespace {

constexpr int kGap = 5;
constexpr int kMaxGlyphs = 12;

// The backgrounds a glyph stands on are dark greys; ink is anything clearly brighter.
bool IsInk(const Pixel& p) {
    return std::max({p.r, p.g, p.b}) > 80;
}

} // namespace

bool IsNear(const Pixel& pixel, const Pixel& color, int tolerance) {
    return std::abs(pixel.r - color.r) <= tolerance && std::abs(pixel.g - color.g) <= tolerance &&
           std::abs(pixel.b - color.b) <= tolerance;
}

GlyphRow ReadGlyphRow(const Pos2f& anchor, int frameWidth, int frameHeight) {
    const int right = static_cast<int>(std::floor(anchor.x)) + frameWidth;
    const int left = std::max(0, right - kMaxGlyphs * (frameWidth + kGap));
    const int bottom = static_cast<int>(std::floor(anchor.y));
    const int width = right - left;
    std::vector<Pixel> pixels(static_cast<size_t>(width * frameHeight));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(left, bottom, width, frameHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());

    GlyphRow row;
    std::map<std::tuple<int, int, int>, int> inkColours;
    for (int slot = 0; slot < kMaxGlyphs; ++slot) {
        const float slotLeft = anchor.x - static_cast<float>(slot * (frameWidth + kGap));
        const int x0 = static_cast<int>(std::floor(slotLeft)) - left;
        bool hasInk = false;
        for (int x = std::max(0, x0); x < std::min(width, x0 + frameWidth); ++x) {
            for (int y = 0; y < frameHeight; ++y) {
                const Pixel& p = pixels[static_cast<size_t>(y * width + x)];
                if (IsInk(p)) {
                    hasInk = true;
                    ++inkColours[{p.r, p.g, p.b}];
                }
            }
        }
        if (!hasInk) {
            break;
        }
        ++row.count;
    }
    const auto most = std::max_element(inkColours.begin(), inkColours.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    if (most != inkColours.end()) {
        const auto [r, g, b] = most->first;
        row.color = Pixel{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                          static_cast<std::uint8_t>(b), 255};
    }
    return row;
}

Pixel PixelOf(const Canvas::Color& color) {
    const auto byte = [](float c) { return static_cast<std::uint8_t>(std::lround(c * 255.0f)); };
    return Pixel{byte(color.r), byte(color.g), byte(color.b), 255};
}
