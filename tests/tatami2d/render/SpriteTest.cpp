#include "tatami2d/render/Sprite.h"

#include "ImageFiles.h"
#include "support/GLContextFixture.h"
#include "support/GLFeedback.h"

using namespace tatami2d;

using SpriteTest = GLContextFixture;

// Where frames are cut from a sheet shows in the game's glyph rows (a single row, read one pixel
// to the right) and in the sprites example's frame (a 4 x 2 sheet). Turned drawing cuts the
// frame as the plain draw does and puts it where the placement says, mirrored here, instead of
// at the sprite's position.
TEST_F(SpriteTest, FramesAreCutRowByRowAndFromASingleRowOnePixelToTheRight) {
    // A 40 x 20 sheet whose pixel (x, y), y down from the top row, is red 6 x and green 12 y.
    const TempImage sheet =
        SaveImage("sheet.png", 40, 20, SDL_PIXELFORMAT_RGBA32, [](int x, int y) {
            return SDL_Color{Uint8(6 * x), Uint8(12 * y), 0, 255};
        });
    // Columns, rows, frame, and the frame's top-left pixel in the sheet.
    const int cases[][5]{{4, 1, 2, 21, 0}, {4, 2, 5, 10, 10}, {2, 2, 1, 20, 0}, {1, 2, 1, 0, 10}};
    for (const auto& [cols, rows, frame, left, top] : cases) {
        Sprite sprite{sheet.path, cols, rows, Pos2f{100, 100}};
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
        const auto plain = Feedback([&] { sprite.Draw(); });
        const auto placed = Feedback([&] {
            sprite.Draw(Placement{{300, 100}, {}, 0.0f, {-1, 1}}, ColorRGBA{1, 0, 0, 1});
        });
        ASSERT_TRUE(plain.size() == 6 && placed.size() == 6);
        for (std::size_t i = 0; i < plain.size(); ++i) {
            EXPECT_TRUE(placed[i].s == plain[i].s && placed[i].t == plain[i].t &&
                        placed[i].r == 1 && placed[i].g == 0)
                << i;
            EXPECT_NEAR(placed[i].x - 300, 100 - plain[i].x, 0.001f) << i;
            EXPECT_NEAR(placed[i].y - 100, plain[i].y - 100, 0.001f) << i;
        }
    }
    // No frames: draws nothing rather than divide by zero.
    const Sprite none{sheet.path, 0, 1, Pos2f{}};
    EXPECT_TRUE(Feedback([&] { none.Draw(), none.Draw(Placement{}); }).empty());
}
