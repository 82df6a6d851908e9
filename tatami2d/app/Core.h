#pragma once

#include "tatami2d/math/WindowSpec.h"

#include <SDL.h>

// Owns the window, its OpenGL context and the media libraries, and runs the main loop
// of one Game. Start-up failures are reported on stderr and leave IsInitialized() false;
// Run then only reports and waits for a key on stdin.
class Core {
public:
    explicit Core(const WindowSpec& windowSpec);
    ~Core();

    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    // Runs the game until the window is closed (an SDL_QUIT event).
    void Run();

    bool IsInitialized() const { return initialized; }

private:
    void Initialize();
    void Cleanup();

    WindowSpec windowSpec;
    SDL_Window* sdlWindow;
    SDL_GLContext glContext;
    bool initialized;
    const float maxElapsedSeconds;
};
