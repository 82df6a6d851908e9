#include "XSession.h"
#include "tools/Palette.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

#include <SDL_image.h>
#include <gtest/gtest.h>

// A player's round of the real game, through the X server: read the Hexadecimal panel's
// number off the screen, answer one field right and the other wrong, then Refresh.
// Run under xvfb-run with DOJO_GAME naming the executable and DOJO_ARTIFACTS a folder.

namespace {

constexpr int kFrameWidth = 24;
constexpr int kFrameHeight = 40;
constexpr int kGlyphStep = kFrameWidth + 5;
const XSession::Rgb kBoard{38, 38, 38};

using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

bool IsInk(const XSession::Rgb& p) {
    return std::max({p.r, p.g, p.b}) > 80;
}

bool Near(const XSession::Rgb& a, const XSession::Rgb& b, int tolerance = 3) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

XSession::Rgb RgbOf(const Canvas::Color& c) {
    return {static_cast<int>(std::lround(c.r * 255)), static_cast<int>(std::lround(c.g * 255)),
            static_cast<int>(std::lround(c.b * 255))};
}

bool SlotHasInk(const XSession& game, int left, int bottom) {
    for (int x = left; x < left + kFrameWidth; ++x) {
        for (int y = bottom; y < bottom + kFrameHeight; ++y) {
            if (IsInk(game.Pixel(x, y))) {
                return true;
            }
        }
    }
    return false;
}

// The colour most of the ink in the rightmost glyph slot shows.
XSession::Rgb GlyphColour(const XSession& game, int anchorX, int anchorY) {
    std::map<std::tuple<int, int, int>, int> counts;
    for (int x = anchorX; x < anchorX + kFrameWidth; ++x) {
        for (int y = anchorY; y < anchorY + kFrameHeight; ++y) {
            const XSession::Rgb p = game.Pixel(x, y);
            if (IsInk(p)) {
                ++counts[{p.r, p.g, p.b}];
            }
        }
    }
    XSession::Rgb best{-1, -1, -1};
    int bestCount = 0;
    for (const auto& [colour, count] : counts) {
        if (count > bestCount) {
            bestCount = count;
            best = {std::get<0>(colour), std::get<1>(colour), std::get<2>(colour)};
        }
    }
    return best;
}

int GlyphCount(const XSession& game, int anchorX, int anchorY) {
    int count = 0;
    while (count < 12 && SlotHasInk(game, anchorX - count * kGlyphStep, anchorY)) {
        ++count;
    }
    return count;
}

// Reads a green number off the board by matching each glyph slot against the frames of
// the sheet, drawn over the board's grey; the best of a few pixel offsets absorbs the
// rounding of half-pixel positions.
int ReadNumber(const XSession& game, const SDL_Surface& sheet, int anchorX, int anchorY,
               int radix) {
    int value = 0;
    int weight = 1;
    for (int slot = 0; slot < GlyphCount(game, anchorX, anchorY); ++slot) {
        const int left = anchorX - slot * kGlyphStep;
        long bestError = LONG_MAX;
        int bestFrame = -1;
        for (int frame = 0; frame < 16; ++frame) {
            for (int dx = -2; dx <= 2; ++dx) {
                long error = 0;
                for (int col = 0; col < kFrameWidth; ++col) {
                    for (int row = 0; row < kFrameHeight; ++row) {
                        const auto* t = static_cast<const Uint8*>(sheet.pixels) +
                                        row * sheet.pitch + (frame * kFrameWidth + col) * 4;
                        const float a = static_cast<float>(t[3]) / 255.0f;
                        const XSession::Rgb seen =
                            game.Pixel(left + col + dx, anchorY + kFrameHeight - 1 - row);
                        const float expected = static_cast<float>(t[1]) * a +
                                               static_cast<float>(kBoard.g) * (1.0f - a);
                        error += std::abs(seen.g - static_cast<int>(expected));
                    }
                }
                if (error < bestError) {
                    bestError = error;
                    bestFrame = frame;
                }
            }
        }
        value += bestFrame * weight;
        weight *= radix;
    }
    return value;
}

std::string KeyNames(int number, int radix, const char* prefix) {
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789abcdef"[number % radix]);
        number /= radix;
    } while (number > 0);
    std::string names;
    for (const char d : digits) {
        names += std::string{prefix} + d + " ";
    }
    return names;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in{path};
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(Player, SolvesOneFieldMissesAnotherAndRefreshes) {
    const char* executable = std::getenv("DOJO_GAME");
    const char* artifacts = std::getenv("DOJO_ARTIFACTS");
    ASSERT_TRUE(executable != nullptr && artifacts != nullptr);
    const std::string stderrPath = std::string{artifacts} + "/player.stderr";

    XSession game{executable, stderrPath};
    ASSERT_TRUE(game.IsRunning()) << "no window titled Numeral Dojo";
    EXPECT_EQ(game.GetWidth(), 1350);
    EXPECT_EQ(game.GetHeight(), 345);

    IMG_Init(IMG_INIT_PNG);
    const Surface loaded{IMG_Load("Resources/green.png"), &SDL_FreeSurface};
    ASSERT_TRUE(loaded);
    const Surface sheet{SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0),
                        &SDL_FreeSurface};

    game.Look();
    EXPECT_TRUE(Near(game.Pixel(675, 120), kBoard)) << "the dark grey board";
    const int number = ReadNumber(game, *sheet, 347, 255, 16);
    ASSERT_GE(number, 1);
    ASSERT_LE(number, 4095);

    // Upper field: decimal, typed on the main row.
    game.ClickAt(190, 175);
    game.PressKeys(KeyNames(number, 10, ""));
    game.ClickAt(423, 216);
    game.Look();
    EXPECT_TRUE(Near(GlyphColour(game, 347, 155), RgbOf(palette::kGreen))) << "right: green";
    EXPECT_EQ(GlyphCount(game, 347, 155), static_cast<int>(std::to_string(number).size()));
    EXPECT_TRUE(Near(game.Pixel(423, 216), kBoard)) << "a solved field has no Check button";
    EXPECT_TRUE(Near(game.Pixel(375, 216), kBoard)) << "nor a Delete button";

    // Lower field: binary, typed on the keypad, one off.
    game.ClickAt(190, 35);
    game.PressKeys(KeyNames(number ^ 1, 2, "KP_"));
    game.ClickAt(423, 76);
    game.Look();
    EXPECT_TRUE(Near(GlyphColour(game, 347, 15), RgbOf(palette::kRed))) << "wrong: red";

    // Start an answer in the Binary panel's upper field: it turns blue, the red one stays.
    game.ClickAt(640, 175);
    game.PressKeys("4 2");
    game.Look(artifacts, "playing");
    EXPECT_TRUE(Near(GlyphColour(game, 797, 155), RgbOf(palette::kBlue))) << "editing: blue";
    EXPECT_EQ(GlyphCount(game, 797, 155), 2);
    EXPECT_TRUE(Near(GlyphColour(game, 347, 15), RgbOf(palette::kRed)));

    // Refresh brings both fields back to a white 0.
    game.ClickAt(423, 316);
    game.Look();
    for (const int y : {155, 15}) {
        EXPECT_EQ(GlyphCount(game, 347, y), 1);
        EXPECT_TRUE(Near(GlyphColour(game, 347, y), RgbOf(palette::kWhite)));
    }
    const int refreshed = ReadNumber(game, *sheet, 347, 255, 16);
    EXPECT_GE(refreshed, 1);
    EXPECT_LE(refreshed, 4095);

    EXPECT_EQ(game.Terminate(), 0);
    EXPECT_EQ(ReadFile(stderrPath).find("Core::"), std::string::npos) << ReadFile(stderrPath);
    IMG_Quit();
}
