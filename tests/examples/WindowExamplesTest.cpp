#include "GamepadDemo.h"
#include "GoldenFrame.h"
#include "ResizeDemo.h"
#include "tatami2d/app/FullScreen.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

using namespace tatami2d;
using namespace scripted;

// On SDL's virtual joystick: the left stick pushed right and up with a shoulder held, then
// the d-pad; a pad pulled out mid-press and another plugged in; a name typed with an accent
// and saved, for the next start to read back.
TEST(ExampleFinalFrame, GamepadMatchesTheScreenshot) {
    // The offscreen window never has the focus, without which SDL drops presses.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    const std::string data = testing::TempDir() + "dojo-gamepad-" + std::to_string(getpid());
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    int pad = -1;
    const auto set = [&pad](int button, int axis, int value) {
        SDL_JoystickSetVirtualButton(PadAt(pad), button, 1);
        SDL_JoystickSetVirtualAxis(PadAt(pad), axis, static_cast<Sint16>(value));
    };
    PlayExample<GamepadDemo>(
        "gamepad", {[&] { pad = AttachPad(); }, Frame(0.1f),
                    [&] {
                        set(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_AXIS_LEFTX, 32767);
                        set(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_AXIS_LEFTY, -16000);
                    },
                    Frame(0.4f),
                    [&] {
                        set(SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_AXIS_LEFTX, 0);
                        set(SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_AXIS_LEFTY, 0);
                        SDL_JoystickDetachVirtual(pad);
                    },
                    Frame(0.1f), [&] { pad = AttachPad(); }, Frame(0.1f),
                    [&] {
                        set(SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 24000);
                        set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_AXIS_RIGHTX, -32768);
                        for (const char* text : {"Ren", "\u00e9"}) {
                            SDL_Event event{SDL_TEXTINPUT};
                            std::snprintf(event.text.text, sizeof event.text.text, "%s", text);
                            Push(event);
                        }
                        SDL_Event enter{SDL_KEYDOWN};
                        enter.key.keysym.sym = SDLK_RETURN;
                        Push(enter);
                    },
                    Frame(0.2f, "screenshot")});
    ExpectShots("gamepad");
    std::string name;
    std::getline(std::ifstream{data + "/Tatami2D/gamepad-example/name.txt"}, name);
    EXPECT_EQ(name, "Ren\u00e9");
    std::filesystem::remove_all(data);
}

// Full screen (scaled 1.6 times), then wider than the scene (bars left and right), then taller
// (bars above and below). A click over a shape selects it, one in a bar nothing; the wheel turns
// the dial; while the focus is away the scene pauses.
TEST(ExampleFinalFrame, ResizeMatchesTheScreenshotsAtEachSize) {
    SDL_Event pointer{SDL_MOUSEMOTION}, wheel{SDL_MOUSEWHEEL};
    pointer.motion.x = wheel.wheel.mouseX = 560;
    pointer.motion.y = wheel.wheel.mouseY = 250;
    wheel.wheel.y = 2;
    wheel.wheel.preciseY = 2.0f;
    PlayExample<ResizeDemo>("resize",
                            {Frame(0.1f), [] { Click(512, 384); }, // the square
                             Frame(0.5f, "screenshot-full-screen"),
                             [] {
                                 SetFullScreen(false);
                                 SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 800, 480);
                             },
                             [&] {
                                 Click(560, 250); // the triangle
                                 Click(40, 240);  // the left bar
                                 Push(pointer);
                                 Push(wheel);
                             },
                             Frame(0.5f, "screenshot"),
                             [] { SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 480, 600); },
                             [] {
                                 Click(120, 300); // the circle
                                 Push(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
                             },
                             Frame(0.5f, "screenshot-tall")},
                            WindowOptions{true, true, true});
    ExpectShots("resize", {"screenshot-full-screen", "screenshot", "screenshot-tall"});
}
