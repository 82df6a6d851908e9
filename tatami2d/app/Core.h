#pragma once

#include "tatami2d/detail/GameHandlers.h"
#include "tatami2d/math/WindowOptions.h"
#include "tatami2d/math/WindowSpec.h"

#include <functional>
#include <memory>

#include <SDL.h>

/// Everything the Tatami2D framework defines; its free functions in world coordinates are in
/// util2d. Names in tatami2d::detail serve public templates and are not part of the interface.
namespace tatami2d {

class WindowLayout;

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
/// Mouse records arrive with y upwards (window height minus SDL's y), in the logical window:
/// the WindowSpec's size, whatever the window's (see WindowOptions); x and y are whole
/// logical pixels, while xrel and yrel stay in window points as SDL gives them.
///
/// A game may also declare any of these handlers; Core finds them when it compiles Run, and
/// a game without them runs exactly as before:
/// - OnMouseWheel(const SDL_MouseWheelEvent&): y above 0 turned away from the player, x above
///   0 to the right, also on a wheel SDL reports as flipped (which arrives unflipped, its
///   direction SDL_MOUSEWHEEL_NORMAL); mouseX and mouseY are the pointer, mapped as above.
/// - OnTextInput(const SDL_TextInputEvent&): text typed, in UTF-8, as SDL's text input
///   composes it (accents, other scripts, input methods); one key press may give a key event
///   and text both. Core starts SDL's text input for a game that declares this.
/// - OnFocusGained() and OnFocusLost(): the window gained or lost the keyboard focus.
/// - OnGamepadAdded and OnGamepadRemoved(const SDL_ControllerDeviceEvent&),
///   OnGamepadButtonDown and OnGamepadButtonUp(const SDL_ControllerButtonEvent&),
///   OnGamepadAxis(const SDL_ControllerAxisEvent&): gamepads in SDL's standard layout. Only
///   for a game that declares one of them does Core start SDL's game-controller subsystem,
///   for the time of Run, and open every pad as it is plugged in (those plugged in already
///   arrive first). Each pad's events carry its instance id in which, OnGamepadAdded's too
///   (where SDL gives a device index); a pad is heard of only between its OnGamepadAdded and
///   its OnGamepadRemoved. A pad pulled out mid-press first releases its held buttons
///   (OnGamepadButtonUp) and centres its sticks and triggers (OnGamepadAxis with 0), then
///   leaves. Sticks run from -32768 to 32767, y down; triggers from 0 to 32767. As SDL does by
///   default, presses and stick motion are not heard while the window lacks the focus
///   (releases are), unless the program sets SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS.
///
/// The game ends the loop itself with RequestQuit.
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
    /// As above, with a window that may be resizable, full screen or of high density. The
    /// game still draws in the WindowSpec's size, its logical window, which Core scales to fit
    /// the window's drawable with its shape kept and black bars beside it: each time the
    /// window changes size or display, Core lays it out again before the next event is
    /// delivered. While bars show, each pass clears the whole drawable black before Draw (so
    /// the clear colour is then black) and drawing, glClear included, stays inside the
    /// logical window. A minimised window keeps its last layout. With WindowOptions{}, this
    /// is the constructor above.
    Core(const WindowSpec& windowSpec, const WindowOptions& options);
    /// Deletes the context and the window and shuts the libraries down, however far
    /// start-up got.
    ~Core();

    Core(const Core&) = delete;
    Core& operator=(const Core&) = delete;

    /// Creates the Game, runs it until the window is closed (an SDL_QUIT event) or the game
    /// calls RequestQuit, then deletes it before returning. Each pass dispatches every queued
    /// event, then calls Update with the seconds since the previous pass (at most 0.1) and Draw,
    /// and swaps; on the pass that sees the quit, nothing is drawn. With vertical sync on, a pass
    /// that ends early is stretched to 90 % of the display's refresh interval, for displays that
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
    // Passes of the main loop until a quit event or request.
    void RunLoop(const detail::GameHandlers& game);

    WindowSpec windowSpec;
    SDL_Window* sdlWindow;
    SDL_GLContext glContext;
    bool initialized;
    const float maxElapsedSeconds;
    WindowOptions options;
    std::unique_ptr<WindowLayout> layout; // from the window's creation to Cleanup
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
