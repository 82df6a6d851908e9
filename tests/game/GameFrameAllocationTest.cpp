#include "game/Game.h"
#include "support/GLContextFixture.h"

#include <atomic>
#include <cstdlib>
#include <new>

// Every C++ heap allocation in this binary is counted (the graphics driver allocates
// with malloc and is not).
namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc{};
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

class GameFrameAllocationTest : public GLContextFixture {};

TEST_F(GameFrameAllocationTest, SteadyFramesAllocateNothing) {
    Game game{WindowSpec{"Numeral Dojo", 1350.0f, 345.0f, true}};
    // A field being edited, as in play; the Binary panel's number is formed anew each frame.
    SDL_MouseMotionEvent motion{};
    motion.x = 637;
    motion.y = 35;
    game.OnMouseMotion(motion);
    SDL_MouseButtonEvent release{};
    release.button = SDL_BUTTON_LEFT;
    game.OnMouseUp(release);
    game.Draw();

    const long before = allocations.load();
    for (int frame = 0; frame < 300; ++frame) {
        game.Update(0.016f);
        game.Draw();
    }
    EXPECT_EQ(allocations.load() - before, 0);
}
