#include "tatami2d/render/Sprite.h"

#include "support/GLContextFixture.h"
#include "support/TestImages.h"

using SpriteTest = GLContextFixture;

TEST_F(SpriteTest, FramesShowTheirCellSingleRowSheetsOnePixelToTheRight) {
    // Each sheet pixel holds its column in red and blue and its row in green.
    const auto paint = [](int x, int y) {
        return SDL_Color{Uint8(x % 256), Uint8(y * 5), Uint8(x / 256), 255};
    };
    const auto sourceAt = [this](int x, int y) {
        const Pixel p = ReadPixel(x, y);
        return std::make_pair(p.r + 256 * p.b, p.g / 5);
    };
    TempImage digits = SaveImage("digits.png", 320, 20, SDL_PIXELFORMAT_RGBA32, paint);
    TempImage grid = SaveImage("grid.png", 80, 40, SDL_PIXELFORMAT_RGBA32, paint);
    Sprite row{digits.path, 16, 1, Pos2f{30, 40}};
    Sprite sheet{grid.path, 4, 2, Pos2f{200, 40}};
    Sprite column{grid.path, 1, 2, Pos2f{300, 40}};
    row.SetCurrentFrame(14);
    row.Draw();
    EXPECT_EQ(sheet.GetFrameHeight(), 20.0f);
    EXPECT_EQ(sheet.GetNrOfFrames(), 8);
    sheet.SetCurrentFrame(5);
    sheet.Draw();
    column.SetCurrentFrame(1);
    column.Draw();
    EXPECT_EQ(sourceAt(30, 59), std::make_pair(281, 0)) << "frame 14 starts at column 281";
    EXPECT_EQ(sourceAt(49, 40), std::make_pair(300, 19));
    EXPECT_EQ(sourceAt(200, 59), std::make_pair(20, 20)) << "frame 5 of 4 x 2: column 1, row 1";
    EXPECT_EQ(sourceAt(219, 40), std::make_pair(39, 39));
    EXPECT_EQ(sourceAt(379, 40), std::make_pair(79, 39)) << "frame 1 of 1 x 2: the lower half";
}

TEST_F(SpriteTest, FailedSheetSplitsItsTenByTenPlaceholder) {
    testing::internal::CaptureStderr();
    const Sprite sprite{"Resources/no-such-sheet.png", 16, 1, Pos2f{30, 40}};
    const Sprite noColumns{"Resources/no-such-sheet.png", 0, 1, Pos2f{30, 40}};
    testing::internal::GetCapturedStderr();
    noColumns.Draw(); // has no frames, so draws nothing rather than divide by zero
    EXPECT_EQ(sprite.GetFrameWidth(), 0.625f);
    EXPECT_EQ(sprite.GetFrameHeight(), 10.0f);
}
