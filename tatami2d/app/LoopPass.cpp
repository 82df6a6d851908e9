#include "tatami2d/app/LoopPass.h"

#include "tatami2d/app/EventDispatch.h"

namespace tatami2d {

LoopPass::LoopPass(const detail::GameHandlers& game, SDL_Window* window, WindowLayout& layout,
                   const bool& quitRequested, float maxElapsed)
    : game{game}, window{window}, layout{layout}, quitRequested{quitRequested}, clock{maxElapsed} {
    if (game.WantsGamepads()) {
        gamepads.emplace();
    }
    if (game.WantsText()) {
        SDL_StartTextInput();
    }
}

bool LoopPass::Run() {
    SDL_Event event{};
    bool quit = false;
    while (SDL_PollEvent(&event) != 0) {
        // Laid out before the game hears of anything that follows, the mouse included.
        layout.Follow(event);
        if (gamepads && !gamepads->Follow(event)) {
            continue;
        }
        if (DispatchEvent(event, game, layout.Mouse())) {
            quit = true;
        }
    }
    if (quit || quitRequested) {
        return false;
    }
    game.Update(clock.Tick());
    layout.ClearBars();
    game.Draw();
    SDL_GL_SwapWindow(window);
    return true;
}

} // namespace tatami2d
