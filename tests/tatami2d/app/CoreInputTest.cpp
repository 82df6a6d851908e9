#include "ScriptedGame.h"
#include "support/AllocationCounter.h"
#include "tatami2d/app/Log.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace tatami2d;

// Games driven through Core's own loop by real SDL events: pushed, or from SDL's virtual
// joystick.

namespace {

const WindowSpec kSpec{"input", 640.0f, 480.0f, false};

// A game that declares every optional handler.
struct Listener : ScriptedGame {
    using ScriptedGame::ScriptedGame;
    void OnMouseWheel(const SDL_MouseWheelEvent& e) {
        Note("wheel %d,%d at %d,%d", e.x, e.y, e.mouseX, e.mouseY);
        Note("precisely %d,%d dir %d", int(e.preciseX * 10), int(e.preciseY * 10), e.direction);
    }
    void OnTextInput(const SDL_TextInputEvent& e) { heard += std::string{"text "} + e.text + "|"; }
    void OnFocusGained() { Note("focus"); }
    void OnFocusLost() { Note("blur"); }
    void OnGamepadAdded(const SDL_ControllerDeviceEvent& e) { Note("added %d", e.which); }
    void OnGamepadRemoved(const SDL_ControllerDeviceEvent& e) { Note("removed %d", e.which); }
    void OnGamepadButtonDown(const SDL_ControllerButtonEvent& e) {
        Note("pressed %d on %d", e.button, e.which);
    }
    void OnGamepadButtonUp(const SDL_ControllerButtonEvent& e) { Note("released %d", e.button); }
    void OnGamepadAxis(const SDL_ControllerAxisEvent& e) { Note("axis %d %d", e.axis, e.value); }
};

// Notes whether the game-controller subsystem is up while the game runs.
template <class Game>
struct SubsystemProbe : Game {
    using Game::Game;
    void Update(float seconds) {
        Note(SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0 ? "pads up" : "pads down");
        Game::Update(seconds);
    }
};

} // namespace

TEST(CoreInput, WheelTextAndFocusReachTheHandlersAQuitRequestEndsTheLoop) {
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    SDL_StopTextInput(); // Core starts it for a game that takes text
    SDL_Event wheel{SDL_MOUSEWHEEL}, flipped{SDL_MOUSEWHEEL}, text{SDL_TEXTINPUT};
    wheel.wheel = {SDL_MOUSEWHEEL, 0, 0, 0, 1, -2, SDL_MOUSEWHEEL_NORMAL, 1.0f, -2.5f, 10, 0};
    flipped.wheel = {SDL_MOUSEWHEEL, 0, 0, 0, 3, 4, SDL_MOUSEWHEEL_FLIPPED, 3.0f, 4.5f, 0, 480};
    std::snprintf(text.text.text, sizeof text.text.text, "Zo\u00eb \u6771");
    RunScript<Listener>(core, {[&] {
                                   Push(wheel);
                                   Push(flipped);
                                   Push(text);
                                   Push(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
                                   Push(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
                               },
                               [] {
                                   RequestQuit();
                                   // Still delivered, as behind a closed window's quit; then no
                                   // frame.
                                   Push(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
                               },
                               [] { Note("a frame after the request"); }});
    EXPECT_EQ(heard, "wheel 1,-2 at 10,480|precisely 10,-25 dir 0|"
                     "wheel -3,-4 at 0,0|precisely -30,-45 dir 0|"
                     "text Zo\u00eb \u6771|blur|focus|blur|");
    EXPECT_EQ(step, 2u);

    // A request left over from this run, or made between runs, ends nothing.
    RequestQuit();
    RunScript<Listener>(core, {[] { Note("ran"); }});
    EXPECT_EQ(heard, "ran|");
}

// Today's game declares none of the new handlers: SDL stays as Core started it.
TEST(CoreInput, OnlyAGameWithGamepadHandlersBringsUpTheirSubsystemForItsRun) {
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    steps.clear();
    heard.clear();
    core.Run<SubsystemProbe<ScriptedGame>>();
    core.Run<SubsystemProbe<Listener>>();
    EXPECT_EQ(heard, "pads down|pads up|");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u);
}

TEST(CoreInput, PadsArriveBySDLsVirtualJoystickAndReleaseWhatIsHeldWhenPulledOut) {
    // The offscreen window never has the focus, without which SDL drops presses.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    std::string log;
    SetLogSink([&log](std::string_view message) { log += message; });
    int device = -1, id = -1;
    SDL_Joystick* pad = nullptr;
    SDL_Event again{SDL_CONTROLLERDEVICEADDED}, unknown{SDL_CONTROLLERDEVICEADDED},
        stranger{SDL_CONTROLLERDEVICEREMOVED};
    unknown.cdevice.which = 99;
    stranger.cdevice.which = 4242;
    RunScript<Listener>(
        core, {[&] {
                   device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                                      SDL_CONTROLLER_AXIS_MAX,
                                                      SDL_CONTROLLER_BUTTON_MAX, 0);
                   id = SDL_JoystickGetDeviceInstanceID(device);
                   Note("plugged %d", id);
               },
               [&] {
                   pad = SDL_JoystickFromInstanceID(id);
                   SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_B, 1);
                   SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, -20000);
                   again.cdevice.which = device; // open already: not heard twice
                   Push(again);
                   Push(unknown);  // cannot be opened: not heard
                   Push(stranger); // never opened: not heard
               },
               [&] { SDL_JoystickDetachVirtual(device); },
               [&] { Note("still open: %d", SDL_GameControllerFromInstanceID(id) != nullptr); }});
    SetLogSink(nullptr);
    const std::string idText = std::to_string(id);
    EXPECT_EQ(heard, "plugged " + idText + "|added " + idText + "|axis 1 -20000|pressed 1 on " +
                         idText + "|axis 1 0|released 1|removed " + idText + "|still open: 0|");
    EXPECT_EQ(log.rfind("Core::Run( ), error when calling SDL_GameControllerOpen: ", 0), 0u) << log;
    EXPECT_EQ(log.back(), '\n');
}

// Each pass hears of the wheel, text, focus and a pad's stick, and the mouse: none of it, nor
// the loop itself, may allocate once the game runs.
TEST(CoreInput, SteadyPassesWithEveryKindOfInputAllocateNothing) {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    int device = -1;
    std::size_t before = 0, after = 0;
    std::vector<std::function<void()>> script;
    script.emplace_back([&] {
        device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                           SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    });
    SDL_Event events[5]{{SDL_MOUSEWHEEL},
                        {SDL_TEXTINPUT},
                        {SDL_MOUSEBUTTONDOWN},
                        {SDL_MOUSEMOTION},
                        WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED)};
    for (int pass = 0; pass < 60; ++pass) {
        script.emplace_back([&, pass] {
            before = pass == 2 ? HeapAllocationCount() : before;
            for (SDL_Event& event : events) {
                SDL_PushEvent(&event);
            }
            SDL_JoystickSetVirtualAxis(
                SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device)),
                SDL_CONTROLLER_AXIS_LEFTX, Sint16(pass * 100 + 100));
            after = HeapAllocationCount();
        });
    }
    steps = std::move(script);
    heard.reserve(1 << 16);
    struct Quiet : ScriptedGame {
        using ScriptedGame::ScriptedGame;
        void OnMouseDown(const SDL_MouseButtonEvent&) {}
        void OnMouseWheel(const SDL_MouseWheelEvent&) {}
        void OnTextInput(const SDL_TextInputEvent&) {}
        void OnFocusGained() {}
        void OnGamepadAxis(const SDL_ControllerAxisEvent&) { heard += "a"; }
    };
    heard.clear();
    // Kept up past the run, so that a pad left open would show.
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    core.Run<Quiet>();
    EXPECT_EQ(SDL_GameControllerFromInstanceID(SDL_JoystickGetDeviceInstanceID(device)), nullptr)
        << "closed with the run";
    SDL_JoystickDetachVirtual(device);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    EXPECT_EQ(after - before, 0u);
    EXPECT_GE(heard.size(), 58u) << "the stick moved each pass";
}
