#include "tatami2d/render/Sprite.h"

#include "../math/ValueText.h"
#include "ImageFiles.h"
#include "support/GLContextFixture.h"
#include "support/GLFeedback.h"

#include <cmath>

using namespace tatami2d;

using SpriteTest = GLContextFixture;

// A single row is read a pixel to the right; a placed draw cuts the same frame, placed.
TEST_F(SpriteTest, FramesAreCutRowByRowAndFromASingleRowOnePixelToTheRight) {
    const TempImage sheet{"sheet.png", 40, 20, SDL_PIXELFORMAT_RGBA32};
    // Columns, rows, frame, and the frame's top-left pixel in the sheet.
    const int cases[][5]{{4, 1, 2, 21, 0}, {4, 2, 5, 10, 10}, {2, 2, 1, 20, 0}, {1, 2, 1, 0, 10}};
    for (const auto& [cols, rows, frame, left, top] : cases) {
        Sprite sprite{sheet.path, cols, rows, Pos2f{100, 100}};
        EXPECT_TRUE(sprite.GetNrOfFrames() == cols * rows && sprite.GetCurrentFrame() == 0);
        sprite.SetCurrentFrame(frame);
        const auto plain = Feedback([&] { sprite.Draw(); });
        const Placement mirrored{{300, 100}, {}, 0.0f, {-1, 1}};
        const auto placed = Feedback([&] { sprite.Draw(mirrored, ColorRGBA{1, 0, 0, 1}); });
        ASSERT_TRUE(plain.size() == 6 && placed.size() == 6);
        // Where the frame's bottom-left and top-right corners go, and lie in the sheet (y down).
        const int w = 40 / cols, h = 20 / rows;
        EXPECT_EQ(ValueText(plain[0].x, plain[0].y, plain[4].x, plain[4].y, plain[0].s * 40,
                            plain[0].t * 20, plain[4].s * 40, plain[4].t * 20),
                  ValueText(100, 100, 100 + w, 100 + h, left, top + h, left + w, top))
            << cols << " x " << rows << ", frame " << frame;
        for (std::size_t i = 0; i < plain.size(); ++i) {
            EXPECT_TRUE(placed[i].s == plain[i].s && placed[i].t == plain[i].t &&
                        placed[i].r == 1 && placed[i].g == 0 &&
                        std::abs(placed[i].x - 300 - (100 - plain[i].x)) < 0.001f &&
                        std::abs(placed[i].y - plain[i].y) < 0.001f)
                << i;
        }
    }
    // No frames: draws nothing rather than divide by zero.
    const Sprite none{sheet.path, 0, 1, Pos2f{}};
    EXPECT_TRUE(Feedback([&] { none.Draw(), none.Draw(Placement{}); }).empty());
}
