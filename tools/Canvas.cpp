#include "tools/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>

#include <SDL.h>
#include <SDL_image.h>

namespace {

constexpr int kSamplesPerAxis = 4;

std::uint8_t ToByte(float channel) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
}

} // namespace

Canvas::Canvas(int width, int height)
    : width{width}, height{height},
      pixels(static_cast<size_t>(width * height), Color{0.0f, 0.0f, 0.0f, 0.0f}) {}

void Canvas::Fill(const Shape& shape, const Color& color) {
    constexpr float step = 1.0f / kSamplesPerAxis;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
                for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
                    const float px = static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) * step;
                    const float py = static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) * step;
                    inside += shape(px, py) ? 1 : 0;
                }
            }
            if (inside > 0) {
                Blend(x, y, color,
                      static_cast<float>(inside) / (kSamplesPerAxis * kSamplesPerAxis));
            }
        }
    }
}

void Canvas::Blend(int x, int y, const Color& color, float coverage) {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return;
    }
    Color& dst = pixels[static_cast<size_t>(y * width + x)];
    // Straight-alpha "over": the stored colour stays unpremultiplied, as PNG expects.
    const float srcA = color.a * coverage;
    const float outA = srcA + dst.a * (1.0f - srcA);
    if (outA <= 0.0f) {
        return;
    }
    const auto mix = [&](float src, float old) {
        return (src * srcA + old * dst.a * (1.0f - srcA)) / outA;
    };
    dst = Color{mix(color.r, dst.r), mix(color.g, dst.g), mix(color.b, dst.b), outA};
}

std::vector<std::uint8_t> Canvas::ToRgbaBytes() const {
    std::vector<std::uint8_t> bytes(pixels.size() * 4);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const Color& c = pixels[i];
        // Fully transparent pixels are stored as transparent black, so colour noise never
        // hides where nothing is drawn.
        const bool empty = ToByte(c.a) == 0;
        bytes[i * 4 + 0] = empty ? 0 : ToByte(c.r);
        bytes[i * 4 + 1] = empty ? 0 : ToByte(c.g);
        bytes[i * 4 + 2] = empty ? 0 : ToByte(c.b);
        bytes[i * 4 + 3] = ToByte(c.a);
    }
    return bytes;
}

bool Canvas::SavePng(const std::string& path) const {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
    if (surface == nullptr) {
        std::cerr << "Canvas::SavePng, error when calling SDL_CreateRGBSurfaceWithFormat: "
                  << SDL_GetError() << std::endl;
        return false;
    }
    const std::vector<std::uint8_t> bytes = ToRgbaBytes();
    for (int y = 0; y < height; ++y) {
        std::copy_n(&bytes[static_cast<size_t>(y * width * 4)], width * 4,
                    static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
    }
    const bool saved = IMG_SavePNG(surface, path.c_str()) == 0;
    if (!saved) {
        std::cerr << "Canvas::SavePng, error when calling IMG_SavePNG: " << SDL_GetError()
                  << std::endl;
    }
    SDL_FreeSurface(surface);
    return saved;
}
