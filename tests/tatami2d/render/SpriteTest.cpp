#include "tatami2d/render/Sprite.h"

#include "support/GLContextFixture.h"

#include <cstdio>
#include <unistd.h>

#include <SDL_image.h>

using namespace tatami2d;

using SpriteTest = GLContextFixture;

// Where frames are cut from a sheet shows in the game's glyph rows (a single row, read one pixel
// to the right) and in the sprites example's frame (a 4 x 2 sheet).
TEST_F(SpriteTest, FramesAreCutRowByRowAndFromASingleRowOnePixelToTheRight) {
    // A 40 x 20 sheet whose pixel (x, y), y down from the top row, is red 6 x and green 12 y.
    SDL_Surface* pSheet = SDL_CreateRGBSurfaceWithFormat(0, 40, 20, 32, SDL_PIXELFORMAT_RGBA32);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            static_cast<Uint32*>(pSheet->pixels)[y * 40 + x] =
                SDL_MapRGBA(pSheet->format, Uint8(6 * x), Uint8(12 * y), 0, 255);
        }
    }
    const std::string path = testing::TempDir() + "sheet-" + std::to_string(getpid()) + ".png";
    IMG_SavePNG(pSheet, path.c_str());
    SDL_FreeSurface(pSheet);
    // Columns, rows, frame, and the frame's top-left pixel in the sheet.
    const int cases[][5]{{4, 1, 2, 21, 0}, {4, 2, 5, 10, 10}, {2, 2, 2, 0, 10}, {1, 2, 1, 0, 10}};
    for (const auto& [cols, rows, frame, left, top] : cases) {
        Sprite sprite{path, cols, rows, Pos2f{100, 100}};
        EXPECT_EQ(sprite.GetNrOfFrames(), cols * rows);
        EXPECT_EQ(sprite.GetCurrentFrame(), 0);
        sprite.SetCurrentFrame(frame);
        Clear(0, 0, 0);
        sprite.Draw();
        const int w = 40 / cols, h = 20 / rows;
        const Pixel topLeft = ReadPixel(100, 100 + h - 1), bottomRight = ReadPixel(99 + w, 100);
        EXPECT_EQ((std::vector{topLeft.r, topLeft.g, bottomRight.r, bottomRight.g}),
                  (std::vector<Uint8>{Uint8(6 * left), Uint8(12 * top), Uint8(6 * (left + w - 1)),
                                      Uint8(12 * (top + h - 1))}))
            << cols << " x " << rows << ", frame " << frame;
    }
    Sprite{path, 0, 1, Pos2f{}}.Draw(); // no frames: draws nothing rather than divide by zero
    std::remove(path.c_str());
}
