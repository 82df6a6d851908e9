#include "tatami2d/app/Core.h"

#include "tatami2d/app/Heap.h"
#include "tatami2d/app/VideoDriver.h"
#include "tatami2d/render/TextureLoadScope.h"

#include <array>
#include <iostream>
#include <malloc.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_opengl.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

using namespace tatami2d;

namespace {

const WindowSpec kSpec{"Numeral Dojo", 1350.9f, 345.0f, true};

std::string calls;          // what the loop did, in order
std::vector<float> elapsed; // what each Update was given

// A game that notes what the loop hands it, and whether the textures it makes can share their
// loads. It stalls in its first frame, asks to quit in its second, and throws where a loop
// would run on past the quit.
struct Recorder {
    explicit Recorder(const WindowSpec& spec) {
        calls += "new " + spec.title + (TextureLoadScope::Live() ? " sharing loads|" : "|");
    }
    ~Recorder() { calls += "delete|"; }
    void OnKeyDown(const SDL_KeyboardEvent& e) { calls += e.repeat ? "repeat|" : "down|"; }
    void OnKeyUp(const SDL_KeyboardEvent&) { calls += "up|"; }
    void OnMouseMotion(const SDL_MouseMotionEvent& e) {
        Note("motion by " + std::to_string(e.yrel), e.x, e.y);
    }
    void OnMouseDown(const SDL_MouseButtonEvent& e) { Note("press", e.x, e.y); }
    void OnMouseUp(const SDL_MouseButtonEvent& e) { Note("release", e.x, e.y); }
    void Note(const std::string& what, int x, int y) {
        calls += what + " at " + std::to_string(x) + "," + std::to_string(y) + "|";
    }
    void Update(float seconds) {
        calls += TextureLoadScope::Live() ? "update still sharing|" : "update|";
        elapsed.push_back(seconds);
        if (elapsed.size() > 2) {
            throw std::runtime_error("the loop ran past the quit");
        }
    }
    void Draw() {
        calls += "draw|";
        if (elapsed.size() == 1) {
            SDL_Delay(150);
            return;
        }
        SDL_Event quit{SDL_QUIT}, key{SDL_KEYDOWN};
        SDL_PushEvent(&quit);
        SDL_PushEvent(&key);
    }
};

} // namespace

// The loop's swaps and its pacing queries, noted among the game's calls.
extern "C" {
void __real_SDL_GL_SwapWindow(SDL_Window* window);
int __real_SDL_GetCurrentDisplayMode(int display, SDL_DisplayMode* mode);
void __wrap_SDL_GL_SwapWindow(SDL_Window* window) {
    calls += "swap|";
    __real_SDL_GL_SwapWindow(window);
}
int __wrap_SDL_GetCurrentDisplayMode(int display, SDL_DisplayMode* mode) {
    calls += "pace|";
    return __real_SDL_GetCurrentDisplayMode(display, mode);
}
// The framework's changes to the C library's heap settings.
int __real_mallopt(int param, int value);
int __wrap_mallopt(int param, int value) {
    calls += "mallopt " + std::to_string(param) + " " + std::to_string(value) + "|";
    return __real_mallopt(param, value);
}
}

// The rest of the set-up (viewport, blending, the y-up pixel projection) is what every GL test
// draws in.
TEST(Core, StartsEverythingWithAPixelProjectionFromTheFloatSizeAndStopsItAgain) {
    for (const int vsync : {1, 0}) {
        {
            Core core{WindowSpec{"Numeral Dojo", 1350.9f, 345.0f, vsync == 1}};
            ASSERT_TRUE(core.IsInitialized());
            int major = 0, minor = 0, rate = 0, channels = 0, matrixMode = 0;
            Uint16 format = 0;
            glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
            SDL_GL_GetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, &major);
            SDL_GL_GetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, &minor);
            Mix_QuerySpec(&rate, &format, &channels);
            EXPECT_EQ((std::vector<int>{major, minor, SDL_GL_GetSwapInterval(), rate, format,
                                        channels, matrixMode}),
                      (std::vector<int>{2, 1, vsync, 44100, AUDIO_S16LSB, 2, GL_MODELVIEW}));
            // x = 1350.9 maps to the right edge.
            std::array<GLfloat, 16> m{};
            glGetFloatv(GL_PROJECTION_MATRIX, m.data());
            EXPECT_FLOAT_EQ(m[0] * 1350.9f + m[12], 1.0f);
        }
        EXPECT_EQ(SDL_WasInit(0) + TTF_WasInit() + IMG_Init(0), 0u) << "all shut down";
    }
}

TEST(Core, RunDeliversEveryEventFlippedToYUpThenUpdatesDrawsSwapsAndPacesUntilQuit) {
    Core core{kSpec};
    ASSERT_TRUE(core.IsInitialized());
    SDL_Event events[6]{{SDL_KEYUP}, {SDL_MOUSEWHEEL}};
    events[2].motion = {SDL_MOUSEMOTION, 0, 0, 0, 0, 10, 0, 0, -4};
    events[3].button = {SDL_MOUSEBUTTONDOWN, 0, 0, 0, 0, 0, 0, 0, 20, 344};
    events[4].button = {SDL_MOUSEBUTTONUP, 0, 0, 0, 0, 0, 0, 0, 30, 100};
    events[5].key = {SDL_KEYDOWN, 0, 0, 0, 1, 0, 0, {}}; // a repeat
    for (SDL_Event& event : events) {
        SDL_PushEvent(&event);
    }
    calls.clear();
    elapsed.clear();
    core.Run<Recorder>();
    // SDL's top row arrives as the height, its bottom row as 1; the key pressed after the
    // quit is still delivered, but nothing is drawn on that pass.
    EXPECT_EQ(calls, "new Numeral Dojo sharing loads|up|motion by -4 at 10,345|press at "
                     "20,1|release at 30,245|repeat|"
                     "update|draw|swap|pace|update|draw|swap|pace|down|delete|");
    ASSERT_EQ(elapsed.size(), 2u);
    EXPECT_EQ(elapsed[1], 0.1f) << "a stall reaches the game as at most 0.1 s";
}

// The heap is the program's to set: a Core and its game leave it alone unless asked.
TEST(Core, LeavesTheHeapSettingsToTheProgramWhichCanKeepFreedMemory) {
    calls.clear();
    elapsed.clear();
    {
        Core core{kSpec};
        ASSERT_TRUE(core.IsInitialized());
        SDL_Event quit{SDL_QUIT};
        SDL_PushEvent(&quit);
        core.Run<Recorder>();
    }
    EXPECT_EQ(calls.find("mallopt"), std::string::npos) << calls;
    calls.clear();
    RetainFreedHeap();
    EXPECT_EQ(calls, "mallopt " + std::to_string(M_TRIM_THRESHOLD) + " " +
                         std::to_string(64 * 1024 * 1024) + "|");
}

TEST(Core, FailedStartUpReportsAndRunWaitsForOneCharacter) {
    SDL_setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    Core core{kSpec};
    const std::string initError = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(core.IsInitialized());
    EXPECT_EQ(initError.rfind("Core::Initialize( ), error when calling SDL_Init: ", 0), 0u);
    EXPECT_GT(initError.size(), 50u) << "SDL's error text follows";
    EXPECT_EQ(initError.back(), '\n');

    std::istringstream in{"xy"};
    std::streambuf* stdinBuffer = std::cin.rdbuf(in.rdbuf());
    calls.clear();
    testing::internal::CaptureStderr();
    core.Run<Recorder>();
    std::cin.rdbuf(stdinBuffer);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Core::Run( ), Core not correctly initialized, unable to run the game\n");
    EXPECT_EQ(in.get(), 'y') << "exactly one character is read";
    EXPECT_EQ(calls, "") << "no game is made";
}

TEST(Core, AFallbackDriverThatShowsNothingFailsUnlessAskedFor) {
    EXPECT_TRUE(IsUnseenFallbackDriver("offscreen", nullptr));
    EXPECT_TRUE(IsUnseenFallbackDriver("dummy", ""));
    EXPECT_TRUE(IsUnseenFallbackDriver("offscreen", "x11,offscreen2"));
    EXPECT_FALSE(IsUnseenFallbackDriver("x11", nullptr) || IsUnseenFallbackDriver("", nullptr));
    EXPECT_FALSE(IsUnseenFallbackDriver("offscreen", "wayland,OffScreen"));
    EXPECT_FALSE(IsUnseenFallbackDriver("dummy", "dummy"));
}
