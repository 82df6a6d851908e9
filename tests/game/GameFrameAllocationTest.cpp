#include "game/Game.h"
#include "support/AllocationCounter.h"
#include "support/GLContextFixture.h"

using GameFrameAllocationTest = GLContextFixture;

TEST_F(GameFrameAllocationTest, SteadyFramesAllocateNothing) {
    Game game{WindowSpec{"Numeral Dojo", 1350.0f, 345.0f, true}};
    // A field being edited, as in play; the panels' numbers are formed anew every frame.
    SDL_MouseMotionEvent motion{};
    motion.x = 637;
    motion.y = 35;
    game.OnMouseMotion(motion);
    SDL_MouseButtonEvent release{};
    release.button = SDL_BUTTON_LEFT;
    game.OnMouseUp(release);
    game.Draw(); // the driver builds its shaders on first use

    const std::size_t before = HeapAllocationCount();
    for (int frame = 0; frame < 300; ++frame) {
        game.Update(0.016f);
        game.Draw();
    }
    EXPECT_EQ(HeapAllocationCount() - before, 0u);
}
