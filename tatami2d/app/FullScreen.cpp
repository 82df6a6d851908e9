#include "tatami2d/app/FullScreen.h"

#include "tatami2d/app/LogOutput.h"

#include <SDL.h>

namespace tatami2d {

namespace {

// The window's size before it last went full screen, to come back to: SDL and some window
// systems leave a window at the screen's size when it leaves full screen.
struct WindowedSize {
    Uint32 windowId;
    int width;
    int height;
};
WindowedSize windowed{};

SDL_Window* CoreWindow() {
    return SDL_GL_GetCurrentWindow();
}

bool Switch(SDL_Window* window, Uint32 flags) {
    if (SDL_SetWindowFullscreen(window, flags) != 0) {
        WriteLog({"SetFullScreen(..), error when calling SDL_SetWindowFullscreen: ", SDL_GetError(),
                  "\n"});
        return false;
    }
    return true;
}

bool Enter(SDL_Window* window) {
    windowed.windowId = SDL_GetWindowID(window);
    SDL_GetWindowSize(window, &windowed.width, &windowed.height);
    return Switch(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

bool Leave(SDL_Window* window) {
    if (!Switch(window, 0)) {
        return false;
    }
    if (windowed.windowId == SDL_GetWindowID(window)) {
        SDL_SetWindowSize(window, windowed.width, windowed.height);
    }
    return true;
}

} // namespace

bool SetFullScreen(bool fullScreen) {
    SDL_Window* window = CoreWindow();
    if (window != nullptr && fullScreen == IsFullScreen()) {
        return true;
    }
    return fullScreen ? Enter(window) : Leave(window);
}

bool IsFullScreen() {
    return (SDL_GetWindowFlags(CoreWindow()) & SDL_WINDOW_FULLSCREEN) != 0;
}

} // namespace tatami2d
