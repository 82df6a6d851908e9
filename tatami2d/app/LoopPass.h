#pragma once

#include "tatami2d/app/FrameClock.h"
#include "tatami2d/detail/GameHandlers.h"

#include <SDL.h>

namespace tatami2d {

/// \file
/// One pass of the main loop, the same on the desktop and in a browser.

/// One pass of Core's main loop: every queued event to the game's handlers, then, unless one
/// of them was a quit, Update with the seconds since the previous pass (or since the pass
/// was made; at most maxElapsedSeconds), Draw and a swap of the window. Events queued behind
/// a quit are still delivered. The desktop loops over passes; a browser runs one per frame
/// it gives back.
class LoopPass {
public:
    /// Mouse records reach the game with y turned upwards in a window windowHeight high.
    LoopPass(const detail::GameHandlers& game, SDL_Window* window, int windowHeight,
             float maxElapsedSeconds);

    /// Runs the pass; false when a quit came, and then nothing was drawn.
    bool Run();

private:
    detail::GameHandlers game;
    SDL_Window* window;
    int windowHeight;
    FrameClock clock;
};

} // namespace tatami2d
