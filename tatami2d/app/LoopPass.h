#pragma once

#include "tatami2d/app/FrameClock.h"
#include "tatami2d/app/Gamepads.h"
#include "tatami2d/app/WindowLayout.h"
#include "tatami2d/detail/GameHandlers.h"

#include <optional>

#include <SDL.h>

namespace tatami2d {

/// \file
/// One pass of the main loop, the same on the desktop and in a browser.

/// One pass of Core's main loop: every queued event, laid out by the window's layout, to the
/// game's handlers, then, unless one of them was a quit or the game asked to quit, Update with
/// the seconds since the previous pass (or since the pass was made; at most maxElapsed
/// seconds), Draw and a swap of the window. Events queued behind a quit are still
/// delivered. The desktop loops over passes; a browser runs one per frame it gives back.
///
/// For as long as it lives, a game with gamepad handlers has SDL's game-controller subsystem
/// up; a game with a text handler has SDL's text input started.
class LoopPass {
public:
    /// quitRequested is read after each pass's events; layout outlives the pass.
    LoopPass(const detail::GameHandlers& game, SDL_Window* window, WindowLayout& layout,
             const bool& quitRequested, float maxElapsed);
    LoopPass(const LoopPass&) = delete;
    LoopPass& operator=(const LoopPass&) = delete;

    /// Runs the pass; false when a quit came, and then nothing was drawn.
    bool Run();

private:
    detail::GameHandlers game;
    SDL_Window* window;
    WindowLayout& layout;
    const bool& quitRequested;
    std::optional<Gamepads> gamepads;
    FrameClock clock;
};

} // namespace tatami2d
