#pragma once

#include "app/FramePacer.h"
#include "math/WindowSpec.h"

#include <SDL.h>

// Owns the window, its OpenGL context and the media libraries, and runs the main loop
// of one Game. Start-up failures are reported on stderr and leave IsInitialized() false;
// Run then only reports and waits for a key on stdin. A video driver that shows nothing
// fails the start-up too, unless SDL_VIDEODRIVER asked for it.
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
    // With vertical sync on, waits where the swap returned sooner than the display refreshes.
    void WaitOutShortPass(FramePacer& pacer) const;

    WindowSpec windowSpec;
    SDL_Window* sdlWindow;
    SDL_GLContext glContext;
    bool initialized;
    const float maxElapsedSeconds;
};
