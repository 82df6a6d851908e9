#include "support/AllocationCounter.h"
#include "support/ScriptedRun.h"
#include "tatami2d/app/Log.h"

#include <string>

#include <gtest/gtest.h>

using namespace tatami2d;
using namespace scripted;

// Games driven through Core's own loop by real SDL events: pushed, or from SDL's virtual
// joystick. Whether the offscreen window has the focus depends on SDL: 2.32 gives it at once,
// 2.26 never. Without it SDL drops pad presses.

namespace {

const WindowSpec kSpec{"input", 640.0f, 480.0f, false};

// A game that declares every optional handler.
struct Listener : scripted::Game {
    using Game::Game;
    void OnMouseWheel(const SDL_MouseWheelEvent& e) {
        Note("wheel %d,%d", e.x, e.y);
        Note("at %d,%d", e.mouseX, e.mouseY);
        Note("precisely %d dir %d", int(e.preciseY * 10), int(e.direction));
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
template <class Base>
struct SubsystemProbe : Base {
    using Base::Base;
    void Update(float) {
        Note(SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0 ? "pads up" : "pads down");
        RequestQuit();
    }
};

// What the video driver said about the new window (its focus, with a newer SDL) is not the
// script's: it is dropped, so that a run hears only what the script sends.
void DropNewWindowEvents() {
    SDL_PumpEvents();
    SDL_FlushEvent(SDL_WINDOWEVENT);
}

SDL_Event Wheel(int x, int y, Uint32 direction, float preciseY, int mouseX, int mouseY) {
    SDL_Event event{SDL_MOUSEWHEEL};
    event.wheel = {SDL_MOUSEWHEEL, 0, 0, 0, x, y, direction, 0.0f, preciseY, mouseX, mouseY};
    return event;
}

} // namespace

TEST(CoreInput, WheelTextAndFocusReachTheHandlersAQuitRequestEndsTheLoop) {
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    SDL_StopTextInput(); // Core starts it for a game that takes text
    DropNewWindowEvents();
    SDL_Event text{SDL_TEXTINPUT};
    std::snprintf(text.text.text, sizeof text.text.text, "Zo\u00eb \u6771");
    Play<Listener>(core, {[&] {
                              Push(Wheel(1, -2, SDL_MOUSEWHEEL_NORMAL, -2.5f, 10, 0));
                              Push(Wheel(3, 4, SDL_MOUSEWHEEL_FLIPPED, 4.5f, 0, 480));
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
    EXPECT_EQ(heard, "wheel 1,-2|at 10,480|precisely -25 dir 0|wheel -3,-4|at 0,0|"
                     "precisely -45 dir 0|text Zo\u00eb \u6771|blur|focus|blur|");
    // A request left over from this run, or made between runs, ends nothing.
    RequestQuit();
    Play<Listener>(core, {[] { Note("ran"); }});
    EXPECT_EQ(heard, "ran|");
    // Today's game declares none of the new handlers: SDL stays as Core started it.
    core.Run<SubsystemProbe<scripted::Game>>();
    core.Run<SubsystemProbe<Listener>>();
    EXPECT_EQ(heard, "ran|pads down|pads up|");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u);
}

TEST(CoreInput, PadsArriveOnceByTheirIdAndReleaseWhatIsHeldWhenPulledOut) {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    DropNewWindowEvents();
    std::string log;
    SetLogSink([&log](std::string_view message) { log += message; });
    int device = -1;
    SDL_Event again{SDL_CONTROLLERDEVICEADDED}, unknown = again,
                                                stranger{SDL_CONTROLLERDEVICEREMOVED};
    unknown.cdevice.which = 99;
    stranger.cdevice.which = 4242;
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

// Each pass hears of the wheel, text, focus, the mouse and a pad's stick: none of it, nor the
// loop itself, may allocate once the game runs. Pads still open when the run ends are closed,
// even while the program keeps the subsystem up.
TEST(CoreInput, SteadyPassesWithEveryKindOfInputAllocateNothing) {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    const int device = AttachPad();
    std::size_t before = 0, after = 0;
    SDL_Event events[]{SDL_Event{SDL_MOUSEWHEEL}, SDL_Event{SDL_TEXTINPUT},
                       SDL_Event{SDL_MOUSEBUTTONDOWN}, SDL_Event{SDL_MOUSEMOTION},
                       WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED)};
    std::vector<std::function<void()>> script(60, [&] {
        before = next == 3 ? HeapAllocationCount() : before;
        for (const SDL_Event& event : events) {
            Push(event);
        }
        SDL_JoystickSetVirtualAxis(PadAt(device), 0, Sint16(next * 100));
        after = HeapAllocationCount();
    });
    struct Quiet : scripted::Game {
        using Game::Game;
        void OnMouseDown(const SDL_MouseButtonEvent&) {}
        void OnMouseWheel(const SDL_MouseWheelEvent&) {}
        void OnTextInput(const SDL_TextInputEvent&) {}
        void OnFocusGained() {}
        void OnGamepadAxis(const SDL_ControllerAxisEvent&) { heard += "a"; }
    };
    heard.reserve(1024);
    Play<Quiet>(core, std::move(script));
    EXPECT_EQ(after - before, 0u);
    EXPECT_GE(heard.size(), 58u) << "the stick moved each pass";
    EXPECT_EQ(SDL_GameControllerFromInstanceID(SDL_JoystickGetDeviceInstanceID(device)), nullptr);
    SDL_JoystickDetachVirtual(device);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}
