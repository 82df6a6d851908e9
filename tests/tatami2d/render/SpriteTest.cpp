#include "tatami2d/render/Sprite.h"

#include "support/GLContextFixture.h"

using namespace tatami2d;

using SpriteTest = GLContextFixture;

// Where frames are cut from a sheet shows in the game's glyph rows (a single row, read one pixel
// to the right) and in the sprites example's frame (a 4 x 2 sheet).
TEST_F(SpriteTest, FailedSheetSplitsItsTenByTenPlaceholder) {
    testing::internal::CaptureStderr();
    const Sprite sprite{"Resources/no-such-sheet.png", 16, 1, Pos2f{30, 40}};
    const Sprite noColumns{"Resources/no-such-sheet.png", 0, 1, Pos2f{30, 40}};
    const Sprite column{"Resources/no-such-sheet.png", 1, 2, Pos2f{30, 40}};
    testing::internal::GetCapturedStderr();
    Clear(0, 0, 0);
    noColumns.Draw(); // has no frames, so draws nothing rather than divide by zero
    column.Draw();    // one column is enough: a frame is 10 x 5 of the placeholder
    EXPECT_EQ(ReadPixel(39, 44).r + ReadPixel(40, 44).r + ReadPixel(39, 45).r, 255);
    EXPECT_EQ(sprite.GetFrameWidth(), 0.625f);
    EXPECT_EQ(sprite.GetFrameHeight(), 10.0f);
}
