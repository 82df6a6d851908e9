#include "game/Sprite.h"

#include "support/GLCallRecorder.h"
#include "support/GLContextFixture.h"
#include "support/TestImages.h"

namespace {

// Each pixel tells where it came from: red and blue hold the column, green the row.
SDL_Color Position(int x, int y) {
    return SDL_Color{Uint8(x % 256), Uint8(y * 5), Uint8(x / 256), 255};
}

} // namespace

struct SpriteTest : GLContextFixture {
    // The sheet pixel shown at window pixel (x, y), as (column, row).
    std::pair<int, int> SourceAt(int x, int y) const {
        const Pixel p = ReadPixel(x, y);
        return {p.r + 256 * p.b, p.g / 5};
    }
};

TEST_F(SpriteTest, SingleRowSheetsReadOnePixelRightOfTheCell) {
    TempImage sheet =
        SaveImage("digits.png", MakeSurface(320, 20, SDL_PIXELFORMAT_RGBA32, Position));
    Sprite sprite{sheet.path, 16, 1, Pos2f{30, 40}};
    EXPECT_EQ(sprite.GetFrameWidth(), 20.0f);
    EXPECT_EQ(sprite.GetFrameHeight(), 20.0f);
    EXPECT_EQ(sprite.GetNrOfFrames(), 16);
    EXPECT_EQ(sprite.GetCurrentFrame(), 0);

    sprite.Draw();
    EXPECT_EQ(SourceAt(30, 59), std::make_pair(1, 0)) << "frame 0 starts at column 1, top row";
    EXPECT_EQ(SourceAt(49, 40), std::make_pair(20, 19));
    sprite.SetCurrentFrame(14);
    sprite.SetPosition(Pos2f{100, 40});
    sprite.Draw();
    EXPECT_EQ(SourceAt(100, 40), std::make_pair(281, 19));
    EXPECT_EQ(SourceAt(119, 59), std::make_pair(300, 0));
}

TEST_F(SpriteTest, MultiRowSheetsPickColumnAndRow) {
    TempImage sheet = SaveImage("grid.png", MakeSurface(80, 40, SDL_PIXELFORMAT_RGBA32, Position));
    Sprite sprite{sheet.path, 4, 2, Pos2f{30, 40}};
    sprite.SetCurrentFrame(5);
    sprite.Draw();
    EXPECT_EQ(SourceAt(30, 59), std::make_pair(20, 20));
    EXPECT_EQ(SourceAt(49, 40), std::make_pair(39, 39));
}

TEST_F(SpriteTest, FailedSheetDrawsThePlaceholderPerFrame) {
    testing::internal::CaptureStderr();
    Sprite sprite{"Resources/no-such-sheet.png", 16, 1, Pos2f{30, 40}};
    Sprite noColumns{"Resources/no-such-sheet.png", 0, 1, Pos2f{30, 40}};
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(sprite.GetFrameWidth(), 0.625f);
    EXPECT_EQ(sprite.GetFrameHeight(), 10.0f);

    GLCallRecorder rec;
    sprite.SetCurrentFrame(3);
    sprite.Draw();
    noColumns.Draw();
    EXPECT_EQ(rec.trace, "POLYGON(4)") << "a sheet without columns draws nothing";
    EXPECT_EQ(rec.vertices[0].x, 30.0f);
    EXPECT_EQ(rec.vertices[2].x, 30.625f);
    EXPECT_EQ(rec.vertices[2].y, 50.0f);
}
