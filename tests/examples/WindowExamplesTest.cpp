#include "GamepadDemo.h"
#include "ResizeDemo.h"
#include "ScriptedExample.h"
#include "tatami2d/app/Core.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <SDL_mixer.h>
#include <gtest/gtest.h>

using namespace tatami2d;

// The gamepad example through Core's loop, from its build folder, on SDL's virtual joystick:
// the left stick pushed right and up, then the d-pad; buttons held; a pad pulled out
// mid-press and another plugged in; a name typed with an accent and saved, then read back at
// the next start.
TEST(ExampleFinalFrame, GamepadMatchesTheScreenshot) {
    // The offscreen window never has the focus, without which SDL drops presses.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    const std::string data = testing::TempDir() + "dojo-gamepad-" + std::to_string(getpid());
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    std::filesystem::current_path(std::string{EXAMPLES_BINARY_DIR} + "/gamepad");
    {
        Core core{WindowSpec{"Tatami2D example", 640.0f, 480.0f, false}};
        ASSERT_TRUE(core.IsInitialized());
        player.Start("+ f0.1 a0=32767 a1=-16000 b9=1 f0.4 a0=0 a1=0 b0=1 b1=1 - f0.1 + f0.1 "
                     "b0=1 b14=1 a4=24000 a2=-32768 tRen té kReturn f0.2 =screenshot");
        core.Run<Scripted<GamepadDemo>>();
        Mix_CloseAudio();
        ASSERT_EQ(player.frames.count("screenshot"), 1u);
        ExpectGolden(*player.frames.at("screenshot"), "gamepad", "screenshot");
    }
    std::ifstream saved{data + "/Tatami2D/gamepad-example/name.txt"};
    std::string name;
    std::getline(saved, name);
    EXPECT_EQ(name, "Ren\u00e9");
    std::filesystem::remove_all(data);
}

// The resize example opened full screen on SDL's offscreen driver, whose desktop is 1024 x 768:
// the scene scaled 1.6 times, and a click at the square's window point selects it.
TEST(ExampleFinalFrame, ResizeFullScreenMatchesTheScreenshot) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    std::filesystem::current_path(std::string{EXAMPLES_BINARY_DIR} + "/resize");
    Core core{WindowSpec{"Tatami2D example", 640.0f, 480.0f, false},
              WindowOptions{true, true, true}};
    ASSERT_TRUE(core.IsInitialized());
    player.Start("f0.1 c512,384 m600,500 f0.5 =screenshot-full-screen");
    core.Run<Scripted<ResizeDemo>>();
    Mix_CloseAudio();
    ASSERT_EQ(player.frames.count("screenshot-full-screen"), 1u);
    ExpectGolden(*player.frames.at("screenshot-full-screen"), "resize", "screenshot-full-screen");
}
