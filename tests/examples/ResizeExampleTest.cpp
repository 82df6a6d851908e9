#include "ResizeDemo.h"
#include "ScriptedExample.h"
#include "tatami2d/app/Core.h"

#include <filesystem>

#include <SDL_mixer.h>
#include <gtest/gtest.h>

using namespace tatami2d;

// The resize example through Core's loop on a virtual X server, whose window really changes
// size: wider than the scene (bars left and right), then taller (bars above and below). At
// each size a click at the window point over one shape selects that shape, and a click in a
// bar selects nothing; the wheel turns the dial by the pointer; while the focus is away the
// scene pauses. (Full screen, which needs a window manager here, is played on SDL's offscreen
// driver beside the other examples.)
TEST(ExampleFinalFrame, ResizeMatchesTheScreenshotsAtEachSize) {
    std::filesystem::current_path(std::string{EXAMPLES_BINARY_DIR} + "/resize");
    Core core{WindowSpec{"Tatami2D example", 640.0f, 480.0f, false},
              WindowOptions{true, false, true}};
    ASSERT_TRUE(core.IsInitialized());
    player.Start("f0.1 s800,480 c560,250 c40,240 m560,250 w2 f0.5 =screenshot "
                 "s480,600 c120,300 o f0.5 =screenshot-tall");
    core.Run<Scripted<ResizeDemo>>();
    Mix_CloseAudio();
    for (const char* name : {"screenshot", "screenshot-tall"}) {
        ASSERT_EQ(player.frames.count(name), 1u) << name;
        ExpectGolden(*player.frames.at(name), "resize", name);
    }
}
