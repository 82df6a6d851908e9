#include "tatami2d/app/LoopPass.h"

#include "tatami2d/app/EventDispatch.h"

namespace tatami2d {

LoopPass::LoopPass(const detail::GameHandlers& game, SDL_Window* window, int windowHeight,
                   float maxElapsedSeconds)
    : game{game}, window{window}, windowHeight{windowHeight}, clock{maxElapsedSeconds} {}

bool LoopPass::Run() {
    SDL_Event event{};
    bool quit = false;
    while (SDL_PollEvent(&event) != 0) {
        if (DispatchEvent(event, game, windowHeight)) {
            quit = true;
        }
    }
    if (quit) {
        return false;
    }
    game.Update(clock.Tick());
    game.Draw();
    SDL_GL_SwapWindow(window);
    return true;
}

} // namespace tatami2d
