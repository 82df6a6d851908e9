#pragma once

#include "support/FrameImage.h"
#include "support/ScriptedRun.h"

#include <filesystem>
#include <map>

#include <SDL_mixer.h>
#include <gtest/gtest.h>

// Examples played by a script through Core's own loop, their frames compared with the
// screenshots beside their sources (or written over them with DOJO_WRITE_SCREENSHOTS set).

inline std::map<std::string, Surface> shots; // frames kept by name, at the drawable's size
inline std::string shotName;                 // the next frame's, if it is kept

// A step that makes a frame of the given seconds, kept under the name if one is given.
inline std::function<void()> Frame(float seconds, const char* keptAs = "") {
    return [seconds, keptAs] {
        scripted::frameSeconds = seconds;
        shotName = keptAs;
    };
}

// Expects each frame kept under a name to match examples/<folder>/<name>.png.
void ExpectShots(const std::string& folder,
                 std::initializer_list<const char*> names = {"screenshot"});

// A script in words, a step each: "f0.1" is a frame of 0.1 s, kept as "screenshot"; "mX,Y",
// "dX,Y" and "uX,Y" move the mouse to, press and release its left button at (X, Y) in a 640 x
// 480 window, y upwards; "kName" presses and releases a key.
std::vector<std::function<void()>> Script(const std::string& words);

// The demo, updated and drawn only in the frames its script asks for.
template <class Demo>
struct Scripted : Demo {
    using Demo::Demo;
    void Update(float) {
        scripted::RunStep();
        if (scripted::frameSeconds >= 0.0f) {
            Demo::Update(scripted::frameSeconds);
        }
    }
    void Draw() {
        if (scripted::frameSeconds < 0.0f) {
            return;
        }
        Demo::Draw();
        if (!shotName.empty()) {
            int width = 0, height = 0;
            SDL_GL_GetDrawableSize(SDL_GL_GetCurrentWindow(), &width, &height);
            shots.insert_or_assign(std::exchange(shotName, ""), CaptureFrame(width, height));
        }
    }
};

// Plays the script to Demo in a 640 x 480 window, in the example's build folder (its assets).
// Core refuses a driver that shows nothing unless named; Windows has no offscreen GL driver.
template <class Demo>
void PlayExample(const char* folder, std::vector<std::function<void()>> script,
                 const tatami2d::WindowOptions& options = {}) {
#ifdef _WIN32
    SDL_setenv("SDL_VIDEODRIVER", "windows", 1);
#else
    SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
#endif
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::filesystem::current_path(std::string{EXAMPLES_BINARY_DIR} + "/" + folder);
    shots.clear();
    {
        tatami2d::Core core{tatami2d::WindowSpec{"Tatami2D example", 640.0f, 480.0f, false},
                            options};
        ASSERT_TRUE(core.IsInitialized());
        scripted::Play<Scripted<Demo>>(core, std::move(script));
    }
    // SDL_mixer still counts its device open after SDL_Quit: a later Core would get none.
    Mix_CloseAudio();
}
