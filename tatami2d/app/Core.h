#pragma once

#include "tatami2d/detail/GameHandlers.h"
#include "tatami2d/math/WindowSpec.h"

#include <functional>
#include <memory>

#include <SDL.h>

/// Everything the Tatami2D framework defines; its free functions in world coordinates are in
/// util2d. Names in tatami2d::detail serve public templates and are not part of the interface.
namespace tatami2d {

/// \file
/// The application core: window, OpenGL context, media libraries and the main loop.

/// Owns the window, its OpenGL context and the media libraries, and runs the main loop
/// of one game. Start-up failures are logged (see SetLogSink) and leave IsInitialized() false;
/// Run then only reports and waits for a key on stdin (in a browser, which has none, the page
/// shows the messages instead). A video driver that shows nothing
/// fails the start-up too, unless SDL_VIDEODRIVER asked for it.
///
/// A game is any class with a constructor from const WindowSpec&, the handlers
/// OnKeyDown/OnKeyUp(const SDL_KeyboardEvent&), OnMouseMotion(const SDL_MouseMotionEvent&),
/// OnMouseDown/OnMouseUp(const SDL_MouseButtonEvent&), Update(float elapsedSec) and Draw().
/// Mouse records arrive with y upwards (window height minus SDL's y).
///
/// Create the one Core before any Texture, Sprite, SoundEffect or SoundStream, and destroy
/// those first: its destructor closes the libraries they live in.
class Core {
public:
    /// Starts SDL (video and audio); opens a centred window of windowSpec's size, truncated to
    /// whole pixels, with an OpenGL 2.1 context and its vertical sync setting (refused sync
    /// is a failure); sets a projection of one world unit per pixel, origin bottom-left and
    /// y up, and alpha blending; starts SDL_image (PNG), SDL_ttf and the mixer (44100 Hz,
    /// 16-bit stereo). Stops at the first step that fails, after reporting it.
    explicit Core(const WindowSpec& windowSpec);
    /// Deletes the context and the window and shuts the libraries down, however far
    /// start-up got.
    ~Core();

    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    /// Creates the Game, runs it until the window is closed (an SDL_QUIT event), then
    /// deletes it before returning. Each pass dispatches every queued event, then calls
    /// Update with the seconds since the previous pass (at most 0.1) and Draw, and swaps;
    /// on the pass that sees the quit, nothing is drawn. With vertical sync on, a pass that
    /// ends early is stretched to 90 % of the display's refresh interval, for displays that
    /// accept vertical sync and then return every swap at once. While the Game is built, the
    /// textures it makes from the same files share what they decode, open and render. In a
    /// browser (a build with Emscripten) the page runs the passes instead, one per animation
    /// frame, and Run never returns: the game lives as long as the page.
    template <class Game>
    void Run();

    /// True when every start-up step succeeded.
    bool IsInitialized() const { return initialized; }

private:
    void Initialize();
    void Cleanup();
    // False, after reporting and waiting for one character on stdin, when start-up failed.
    bool IsReadyToRun() const;
    // Calls build while the textures it makes share their loads.
    void BuildSharingLoads(const std::function<void()>& build) const;
    // Passes of the main loop until a quit event.
    void RunLoop(const detail::GameHandlers& game) const;

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
    BuildSharingLoads([this, &game] { game = std::make_unique<Game>(windowSpec); });
    RunLoop(detail::GameHandlers::Of(*game));
    game.reset();
}

} // namespace tatami2d
