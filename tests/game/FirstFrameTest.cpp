#include "game/Game.h"
#include "support/FrameImage.h"
#include "support/GLContextFixture.h"

#include <cstdlib>

using namespace tatami2d;

// The board's first frame, as the desktop draws it, is the picture the browser's first frame
// is held to (tests/web): kept current here. The numbers come from a fixed seed; the browser
// test leaves them out.
TEST_F(GLContextFixture, TheGamesFirstFrameMatchesItsPicture) {
    std::srand(1);
    dojo::Game game{WindowSpec{"Numeral Dojo", 1350.0f, 345.0f, true}};
    game.Update(0.016f);
    game.Draw();
    ExpectFrameMatches(*CaptureFrame(kWidth, kHeight),
                       DOJO_SOURCE_DIR "/tests/game/first-frame.png",
                       testing::TempDir() + "first-frame.png");
}
