#include "tools/GlyphSheet.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <memory>

#include <SDL.h>

namespace glyphsheet {
namespace {

constexpr char kDigits[kFrames + 1] = "0123456789ABCDEF";

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// The glyph's coverage as an RGBA32 surface (alpha carries the anti-aliasing).
SurfacePtr RenderGlyph(TTF_Font* font, char digit) {
    SurfacePtr rendered{
        TTF_RenderGlyph32_Blended(font, static_cast<Uint32>(digit), SDL_Color{255, 255, 255, 255}),
        &SDL_FreeSurface};
    if (!rendered) {
        return SurfacePtr{nullptr, &SDL_FreeSurface};
    }
    return SurfacePtr{SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_RGBA32, 0),
                      &SDL_FreeSurface};
}

std::uint8_t AlphaAt(const SDL_Surface& surface, int x, int y) {
    const auto* row = static_cast<const std::uint8_t*>(surface.pixels) + y * surface.pitch;
    return row[x * 4 + 3];
}

// First and one-past-last columns that hold any ink.
std::pair<int, int> InkColumns(const SDL_Surface& surface) {
    int first = surface.w;
    int last = 0;
    for (int y = 0; y < surface.h; ++y) {
        for (int x = 0; x < surface.w; ++x) {
            if (AlphaAt(surface, x, y) != 0) {
                first = std::min(first, x);
                last = std::max(last, x + 1);
            }
        }
    }
    return {first, last};
}

// The row of the glyph surface placed at the top of the frame, so that the band from the
// highest to the lowest ink of all digits sits in the middle of the frame.
int TopRowOffset(TTF_Font* font) {
    int lowest = 0;
    int highest = 0;
    for (const char digit : std::string_view{kDigits}) {
        int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
        TTF_GlyphMetrics32(font, static_cast<Uint32>(digit), &minX, &maxX, &minY, &maxY, &advance);
        lowest = std::min(lowest, minY);
        highest = std::max(highest, maxY);
    }
    const int inkTop = TTF_FontAscent(font) - highest;
    const int bandHeight = highest - lowest;
    return inkTop - (kFrameHeight - bandHeight) / 2;
}

} // namespace

bool Paint(TTF_Font* font, const Canvas::Color& color, Canvas& sheet) {
    const int topRow = TopRowOffset(font);
    for (int frame = 0; frame < kFrames; ++frame) {
        const SurfacePtr glyph = RenderGlyph(font, kDigits[frame]);
        if (!glyph) {
            std::cerr << "glyphsheet::Paint, error when rendering '" << kDigits[frame]
                      << "': " << SDL_GetError() << std::endl;
            return false;
        }
        const auto [first, last] = InkColumns(*glyph);
        const int inkWidth = last - first;
        if (inkWidth > kFrameWidth - 2 * kMinSideMargin) {
            std::cerr << "glyphsheet::Paint, glyph '" << kDigits[frame] << "' is " << inkWidth
                      << " pixels wide and leaves no margin in its frame" << std::endl;
            return false;
        }
        const int left = frame * kFrameWidth + (kFrameWidth - inkWidth) / 2 - first;
        for (int y = 0; y < glyph->h; ++y) {
            for (int x = first; x < last; ++x) {
                const std::uint8_t alpha = AlphaAt(*glyph, x, y);
                if (alpha != 0) {
                    sheet.Blend(left + x, y - topRow, color, alpha / 255.0f);
                }
            }
        }
    }
    return true;
}

} // namespace glyphsheet
