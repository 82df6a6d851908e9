#pragma once

#include "tatami2d/app/EventDispatch.h"
#include "tatami2d/app/FrameClock.h"
#include "tatami2d/math/WindowSpec.h"
#include "tatami2d/render/TextureLoadScope.h"

#include <memory>

#include <SDL.h>

// Owns the window, its OpenGL context and the media libraries, and runs the main loop
// of one game. Start-up failures are reported on stderr and leave IsInitialized() false;
// Run then only reports and waits for a key on stdin.
//
// A game is any class with a constructor from const WindowSpec&, the handlers
// OnKeyDown/OnKeyUp(const SDL_KeyboardEvent&), OnMouseMotion(const SDL_MouseMotionEvent&),
// OnMouseDown/OnMouseUp(const SDL_MouseButtonEvent&), Update(float elapsedSec) and Draw().
// Mouse records arrive with y upwards (window height minus SDL's y).
class Core {
public:
    explicit Core(const WindowSpec& windowSpec);
    ~Core();

    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    // Creates the Game, runs it until the window is closed (an SDL_QUIT event), then
    // deletes it before returning. On the pass that sees the quit, nothing is drawn.
    template <class Game>
    void Run();

    bool IsInitialized() const { return initialized; }

private:
    void Initialize();
    void Cleanup();
    // False, after reporting and waiting for one character on stdin, when start-up failed.
    bool IsReadyToRun() const;

    WindowSpec windowSpec;
    SDL_Window* sdlWindow;
    SDL_GLContext glContext;
    bool initialized;
    const float maxElapsedSeconds;
};

template <class Game>
void Core::Run() {
    if (!IsReadyToRun()) {
        return;
    }

    std::unique_ptr<Game> game;
    {
        // A game builds many textures from a few files: each is read once, and nothing
        // of it is kept once the game stands.
        const TextureLoadScope loads;
        game = std::make_unique<Game>(windowSpec);
    }
    const int height = static_cast<int>(windowSpec.height);
    FrameClock clock{maxElapsedSeconds};
    SDL_Event event{};
    bool quit = false;
    while (!quit) {
        while (SDL_PollEvent(&event) != 0) {
            // Events queued behind a quit are still delivered.
            if (DispatchEvent(event, *game, height)) {
                quit = true;
            }
        }
        if (!quit) {
            game->Update(clock.Tick());
            game->Draw();
            SDL_GL_SwapWindow(sdlWindow);
        }
    }
    game.reset();
}
