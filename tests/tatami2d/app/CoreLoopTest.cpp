#include "../math/ValueText.h"
#include "support/AllocationCounter.h"
#include "support/ScriptedRun.h"
#include "tatami2d/app/DrawArea.h"
#include "tatami2d/app/FullScreen.h"
#include "tatami2d/app/Log.h"

#include <array>
#include <cmath>
#include <string>

#include <SDL_opengl.h>
#include <gtest/gtest.h>

using namespace tatami2d;
using namespace scripted;

// Games driven through Core's loop by SDL events, pushed or from its virtual joystick, on the
// offscreen driver: a 1024 x 768 desktop; its window has the focus with SDL 2.32, not 2.26
// (without it SDL drops pad presses).

int pixelsPerPoint = 1; // 0: minimised
extern "C" {
void __real_SDL_GL_GetDrawableSize(SDL_Window* window, int* w, int* h);
void __wrap_SDL_GL_GetDrawableSize(SDL_Window* window, int* w, int* h) {
    __real_SDL_GL_GetDrawableSize(window, w, h);
    *w *= pixelsPerPoint;
    *h *= pixelsPerPoint;
}
}

namespace {

const WindowSpec kSpec{"loop", 640.0f, 480.0f, false};

// Each gamepad handler alone (which asks Core for the pads), and a game with every handler.
struct PadAdded {
    void OnGamepadAdded(const SDL_ControllerDeviceEvent& e) { Note("added %d", e.which); }
};
struct PadRemoved {
    void OnGamepadRemoved(const SDL_ControllerDeviceEvent& e) { Note("removed %d", e.which); }
};
struct PadPressed {
    void OnGamepadButtonDown(const SDL_ControllerButtonEvent& e) {
        Note("pressed %d on %d", e.button, e.which);
    }
};
struct PadReleased {
    void OnGamepadButtonUp(const SDL_ControllerButtonEvent& e) { Note("released %d", e.button); }
};
struct Listener : scripted::Game, PadAdded, PadRemoved, PadPressed, PadReleased {
    using Game::Game;
    void OnMouseWheel(const SDL_MouseWheelEvent& e) {
        Note("wheel %d,%d", e.x, e.y);
        Note("at %d,%d", e.mouseX, e.mouseY);
        Note("precisely %d dir %d", int(e.preciseY * 10), int(e.direction));
    }
    void OnTextInput(const SDL_TextInputEvent& e) { heard += std::string{"text "} + e.text + "|"; }
    void OnFocusGained() { Note("focus"); }
    void OnFocusLost() { Note("blur"); }
    void OnGamepadAxis(const SDL_ControllerAxisEvent& e) { Note("axis %d %d", e.axis, e.value); }
};

// A game whose one gamepad handler is the stick's.
struct Quiet : scripted::Game {
    using Game::Game;
    void OnMouseDown(const SDL_MouseButtonEvent&) {}
    void OnMouseWheel(const SDL_MouseWheelEvent&) {}
    void OnTextInput(const SDL_TextInputEvent&) {}
    void OnFocusGained() {}
    void OnGamepadAxis(const SDL_ControllerAxisEvent&) { heard += "a"; }
};

// What the driver said of the new window (its focus, with a newer SDL) is not the script's.
void DropNewWindowEvents() {
    SDL_PumpEvents();
    SDL_FlushEvent(SDL_WINDOWEVENT);
}

const auto NotePads = [] { Note(SDL_WasInit(SDL_INIT_GAMECONTROLLER) ? "pads up" : "pads down"); };

// The draw area, whether drawing is clipped to it, and whether the GL state follows it.
std::string AreaText() {
    const DrawArea a = GetDrawArea();
    const std::array<GLint, 4> box{a.left, a.bottom, a.width, a.height};
    std::array<GLint, 4> viewport{}, scissor{};
    std::array<GLfloat, 16> m{};
    GLint matrixMode = 0;
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    glGetIntegerv(GL_SCISSOR_BOX, scissor.data());
    glGetFloatv(GL_PROJECTION_MATRIX, m.data());
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    const bool projected = matrixMode == GL_MODELVIEW && m[12] == -1.0f && m[13] == -1.0f &&
                           std::abs(m[0] * a.logicalWidth - 2.0f) < 1e-5f &&
                           std::abs(m[5] * a.logicalHeight - 2.0f) < 1e-5f;
    return std::to_string(a.left) + "," + std::to_string(a.bottom) + " " + std::to_string(a.width) +
           "x" + std::to_string(a.height) + (glIsEnabled(GL_SCISSOR_TEST) ? " clipped" : "") +
           (viewport == box && (scissor == box || !glIsEnabled(GL_SCISSOR_TEST)) ? "" : " off") +
           (projected ? "" : " unprojected");
}
const auto NoteArea = [] { heard += AreaText() + "|"; };

} // namespace

TEST(CoreInput, WheelTextAndFocusReachTheHandlersAQuitRequestEndsTheLoop) {
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    SDL_StopTextInput(); // Core starts it for a game that takes text
    DropNewWindowEvents();
    SDL_Event text{SDL_TEXTINPUT}, wheels[2]{};
    wheels[0].wheel = {SDL_MOUSEWHEEL, 0, 0, 0, 1, -2, SDL_MOUSEWHEEL_NORMAL, 0.0f, -2.5f, 10, 0};
    wheels[1].wheel = {SDL_MOUSEWHEEL, 0, 0, 0, 3, 4, SDL_MOUSEWHEEL_FLIPPED, 0.0f, 4.5f, 0, 480};
    std::snprintf(text.text.text, sizeof text.text.text, "Zo\u00eb \u6771");
    Play<Listener>(core, {[&] {
                              NotePads();
                              Push(wheels[0]);
                              Push(wheels[1]);
                              Push(text);
                              Push(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
                              Push(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
                          },
                          [] {
                              RequestQuit();
                              // Still delivered, as behind a closed window's quit; then no frame.
                              Push(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
                          },
                          [] { Note("a pass after the request"); }});
    EXPECT_EQ(heard, "pads up|wheel 1,-2|at 10,480|precisely -25 dir 0|wheel -3,-4|at 0,0|"
                     "precisely -45 dir 0|text Zo\u00eb \u6771|blur|focus|blur|");
    // A request left over from this run, or made between runs, ends nothing. Today's game
    // declares none of the new handlers: SDL stays as Core started it.
    RequestQuit();
    Play<scripted::Game>(core, {NotePads});
    EXPECT_EQ(heard, "pads down|");
    EXPECT_EQ(ValueText(detail::kWantsGamepads<PadAdded>, detail::kWantsGamepads<PadRemoved>,
                        detail::kWantsGamepads<PadPressed>, detail::kWantsGamepads<PadReleased>,
                        detail::kWantsGamepads<Quiet>, detail::kWantsGamepads<scripted::Game>),
              "1 1 1 1 1 0 ");
}

TEST(CoreInput, PadsArriveOnceByTheirIdAndReleaseWhatIsHeldWhenPulledOut) {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    DropNewWindowEvents();
    std::string log;
    SetLogSink([&log](std::string_view message) { log += message; });
    int device = -1;
    SDL_Event again{SDL_CONTROLLERDEVICEADDED}, unknown = again, stranger = again;
    unknown.cdevice.which = 99;
    stranger.cdevice = {SDL_CONTROLLERDEVICEREMOVED, 0, 4242};
    Play<Listener>(core,
                   {[&] { device = AttachPad(); },
                    [&] {
                        SDL_JoystickSetVirtualButton(PadAt(device), 1, 1);
                        SDL_JoystickSetVirtualAxis(PadAt(device), 1, -20000);
                        again.cdevice.which = device; // open already: not heard twice
                        Push(again);
                        Push(unknown);  // cannot be opened: not heard
                        Push(stranger); // never opened: not heard
                    },
                    [&] { SDL_JoystickDetachVirtual(device); },
                    [] { Note("open: %d", SDL_GameControllerFromInstanceID(0) != nullptr); }});
    SetLogSink(nullptr);
    EXPECT_EQ(heard, "added 0|axis 1 -20000|pressed 1 on 0|axis 1 0|released 1|removed 0|open: 0|");
    EXPECT_EQ(log.rfind("Core::Run( ), error when calling SDL_GameControllerOpen: ", 0), 0u) << log;
    EXPECT_EQ(log.back(), '\n');
}

// No kind of input, nor the loop itself, may allocate once the game runs. Pads still open when
// the run ends are closed, even while the program keeps the subsystem up.
TEST(CoreInput, SteadyPassesWithEveryKindOfInputAllocateNothing) {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    const int device = AttachPad();
    std::size_t before = 0, after = 0;
    const SDL_Event events[]{{SDL_MOUSEWHEEL},
                             {SDL_TEXTINPUT},
                             {SDL_MOUSEBUTTONDOWN},
                             {SDL_MOUSEMOTION},
                             WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED)};
    std::vector<std::function<void()>> script(60, [&] {
        before = next == 3 ? HeapAllocationCount() : before;
        for (const SDL_Event& event : events) {
            Push(event);
        }
        SDL_JoystickSetVirtualAxis(PadAt(device), 0, Sint16(next * 100));
        after = HeapAllocationCount();
    });
    heard.reserve(1024);
    Play<Quiet>(core, std::move(script));
    EXPECT_EQ(after - before, 0u);
    EXPECT_GE(heard.size(), 58u) << "the stick moved each pass";
    EXPECT_EQ(SDL_GameControllerFromInstanceID(SDL_JoystickGetDeviceInstanceID(device)), nullptr);
    SDL_JoystickDetachVirtual(device);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

// Smaller (bars above and below), minimised (the layout stays), on a display twice as dense (the
// mouse maps in window points), then full screen (no bars) and back to the size it left.
TEST(CoreWindow, TheLayoutFollowsTheDrawableAndFullScreenComesBackToTheWindowsSize) {
    std::string log;
    SetLogSink([&log](std::string_view message) { log += message; });
    EXPECT_FALSE(SetFullScreen(true) || SetFullScreen(false) || IsFullScreen()) << "no window";
    Core core{kSpec, WindowOptions{true, false, true}};
    ASSERT_TRUE(core.IsInitialized());
    EXPECT_EQ(SDL_GetWindowFlags(SDL_GL_GetCurrentWindow()) &
                  (SDL_WINDOW_RESIZABLE | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_ALLOW_HIGHDPI),
              SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    EXPECT_EQ(AreaText(), "0,0 640x480");
    const auto ask = [](bool fullScreen) {
        const bool done = SetFullScreen(fullScreen);
        Note("%d%d", done, IsFullScreen());
    };
    Play<scripted::Game>(core, {[] { SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 320, 480); },
                                [] {
                                    NoteArea();
                                    pixelsPerPoint = 0;
                                    Push(WindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED));
                                },
                                [] {
                                    NoteArea();
                                    pixelsPerPoint = 2;
                                    Push(WindowEvent(SDL_WINDOWEVENT_DISPLAY_CHANGED));
                                },
                                [&] {
                                    NoteArea();
                                    Click(160, 240);
                                    pixelsPerPoint = 1;
                                    ask(true);
                                },
                                [&] {
                                    NoteArea();
                                    ask(true);
                                    ask(false);
                                },
                                [] { NoteArea(); }});
    SetLogSink(nullptr);
    EXPECT_EQ(heard, "0,120 320x240 clipped|0,120 320x240 clipped|0,240 640x480 clipped|11|"
                     "down 320,240|0,0 1024x768|11|10|0,120 320x240 clipped|");
    EXPECT_EQ(log.rfind("SetFullScreen(..), error when calling SDL_SetWindowFullscreen: ", 0), 0u);
    EXPECT_EQ(log.back(), '\n');
}
