#include "tatami2d/app/Core.h"

#include "../math/ValueText.h"
#include "tatami2d/app/Log.h"
#include "tatami2d/app/VideoDriver.h"
#include "tatami2d/render/TextureLoadScope.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <time.h>
#include <tuple>
#include <vector>

#include <SDL_mixer.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

using namespace tatami2d;

namespace {

const WindowSpec kSpec{"Numeral Dojo", 1350.9f, 345.0f, true};

std::string calls;          // what the loop did, in order
std::vector<float> elapsed; // what each Update was given

// A game that notes what the loop hands it and whether its textures can share their loads. It
// stalls in its first frame, asks to quit in frame quitFrame, and throws if the loop runs on.
std::size_t quitFrame = 2;
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
        if (elapsed.size() > quitFrame) {
            throw std::runtime_error("the loop ran past the quit");
        }
    }
    void Draw() {
        calls += "draw|";
        if (elapsed.size() == 1) {
            SDL_Delay(150);
        }
        if (elapsed.size() == quitFrame) {
            SDL_Event quit{SDL_QUIT}, key{SDL_KEYDOWN};
            SDL_PushEvent(&quit);
            SDL_PushEvent(&key);
        }
    }
};

} // namespace

// The library calls that start the core, each of which can be made to fail once (`failing`
// names it), and the loop's swaps, pacing queries and waits, noted among the game's calls.
std::string failing;
int displayRate = 0;                 // the refresh rate SDL reports; 0: its own, -1: none
std::vector<std::int64_t> waitsInUs; // what the loop asked to sleep
extern "C" {
#define NOTED(result, name, params, args, noteArgs, failure)                                       \
    result __real_##name params;                                                                   \
    result __wrap_##name params {                                                                  \
        calls += std::string{#name} + noteArgs + "|";                                              \
        return failing != #name ? __real_##name args                                               \
                                : (SDL_SetError("%s refused", #name), failure);                    \
    }
NOTED(int, SDL_Init, (Uint32 flags), (flags), "", -1)
NOTED(SDL_Window*, SDL_CreateWindow, (const char* t, int x, int y, int w, int h, Uint32 f),
      (t, x, y, w, h, f), " " + std::to_string(w) + "x" + std::to_string(h), nullptr)
NOTED(SDL_GLContext, SDL_GL_CreateContext, (SDL_Window * w), (w), "", nullptr)
NOTED(int, SDL_GL_SetSwapInterval, (int interval), (interval), " " + std::to_string(interval), -1)
NOTED(int, IMG_Init, (int flags), (flags), "", 0)
NOTED(int, TTF_Init, (), (), "", -1)
NOTED(int, Mix_OpenAudio, (int rate, Uint16 format, int channels, int chunk),
      (rate, format, channels, chunk), " chunks of " + std::to_string(chunk), -1)
NOTED(void, SDL_GL_DeleteContext, (SDL_GLContext c), (c), "", void())
NOTED(void, SDL_DestroyWindow, (SDL_Window * w), (w), "", void())
NOTED(void, Mix_Quit, (), (), "", void())
NOTED(void, TTF_Quit, (), (), "", void())
NOTED(void, IMG_Quit, (), (), "", void())
NOTED(void, SDL_Quit, (), (), "", void())
NOTED(void, SDL_GL_SwapWindow, (SDL_Window * w), (w), "", void())
#undef NOTED
const char* __real_SDL_GetHint(const char* name);
const char* __wrap_SDL_GetHint(const char* name) {
    return failing == "SDL_GetHint" ? nullptr : __real_SDL_GetHint(name);
}
int __real_SDL_GetCurrentDisplayMode(int display, SDL_DisplayMode* mode);
int __wrap_SDL_GetCurrentDisplayMode(int display, SDL_DisplayMode* mode) {
    calls += "pace|";
    const int result = __real_SDL_GetCurrentDisplayMode(display, mode);
    mode->refresh_rate = displayRate != 0 ? std::abs(displayRate) : mode->refresh_rate;
    return displayRate < 0 ? -1 : result; // a failed query's rate is not to be trusted
}
int __real_nanosleep(const timespec* request, timespec* remaining);
int __wrap_nanosleep(const timespec* request, timespec* remaining) {
    waitsInUs.push_back(request->tv_sec * 1000000 + request->tv_nsec / 1000);
    return __real_nanosleep(request, remaining);
}
}

// The rest of the set-up (viewport, draw area, blending) is what every GL test draws in.
TEST(Core, StartsEverythingWithAPixelProjectionFromTheFloatSize) {
    for (const int vsync : {1, 0}) {
        Core core{WindowSpec{"Numeral Dojo", 1350.9f, 345.0f, vsync == 1}};
        ASSERT_TRUE(core.IsInitialized());
        int major = 0, minor = 0, rate = 0, channels = 0;
        Uint16 format = 0;
        SDL_GL_GetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, &major);
        SDL_GL_GetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, &minor);
        Mix_QuerySpec(&rate, &format, &channels);
        // Without options the window is the fixed one: not resizable, full screen or dense.
        const Uint32 optional =
            SDL_GetWindowFlags(SDL_GL_GetCurrentWindow()) &
            (SDL_WINDOW_RESIZABLE | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_ALLOW_HIGHDPI);
        EXPECT_EQ((std::vector<int>{major, minor, SDL_GL_GetSwapInterval(), rate, format, channels,
                                    static_cast<int>(optional)}),
                  (std::vector<int>{2, 1, vsync, 44100, AUDIO_S16LSB, 2, 0}));
        // The window's corners (0, 0) and (1350.9, 345) map to the corners of the view.
        std::array<GLfloat, 16> m{};
        glGetFloatv(GL_PROJECTION_MATRIX, m.data());
        EXPECT_EQ(ValueText(Pos2f{m[12], m[13]}, Pos2f{m[0] * 1350.9f + m[12], m[5] * 345 + m[13]}),
                  "-1,-1 1,1 ");
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
                     "update|draw|SDL_GL_SwapWindow|pace|update|draw|SDL_GL_SwapWindow|pace|down|"
                     "delete|");
    EXPECT_EQ(elapsed.at(1), 0.1f) << "a stall reaches the game as at most 0.1 s";
}

// Each failing step is reported with SDL's error and ends the start-up; Run then reports and waits
// for one character. An unseen driver fails as SDL_Init unless asked for (SDL_GetHint hides it).
TEST(Core, EachFailingStartUpStepIsReportedAndNoLaterOneRuns) {
    std::string messages;
    SetLogSink([&messages](std::string_view message) { messages += message; });
    const std::string steps = "SDL_Init|SDL_CreateWindow 1350x345|SDL_GL_CreateContext|"
                              "SDL_GL_SetSwapInterval 1|IMG_Init|TTF_Init|"
                              "Mix_OpenAudio chunks of 2048|";
    for (const std::string step :
         {"SDL_Init", "SDL_GetHint", "SDL_CreateWindow", "SDL_GL_CreateContext",
          "SDL_GL_SetSwapInterval", "IMG_Init", "TTF_Init", "Mix_OpenAudio"}) {
        const bool unseen = step == "SDL_GetHint";
        const std::string call = unseen ? "SDL_Init" : step;
        failing = step;
        calls.clear();
        messages.clear();
        std::istringstream in{"xy"};
        {
            Core core{kSpec};
            EXPECT_FALSE(core.IsInitialized()) << step;
            std::streambuf* stdinBuffer = std::cin.rdbuf(in.rdbuf());
            core.Run<Recorder>();
            std::cin.rdbuf(stdinBuffer);
        }
        failing.clear();
        // Clean-up releases whatever start-up reached, in the same order.
        EXPECT_EQ(calls, steps.substr(0, steps.find('|', steps.find(call)) + 1) +
                             "SDL_GL_DeleteContext|SDL_DestroyWindow|Mix_Quit|TTF_Quit|IMG_Quit|"
                             "SDL_Quit|");
        EXPECT_EQ(messages, "Core::Initialize( ), error when calling " + call + ": " +
                                (unseen ? "no display found (DISPLAY and WAYLAND_DISPLAY lead to "
                                          "none), and SDL's offscreen video driver would only "
                                          "draw off screen"
                                        : step + " refused") +
                                "\nCore::Run( ), Core not correctly initialized, unable to run "
                                "the game\n");
        EXPECT_EQ(in.get(), 'y') << "exactly one character is read";
    }
    SetLogSink(nullptr);
    failing = "SDL_GL_SetSwapInterval";
    EXPECT_TRUE(Core(WindowSpec{"Numeral Dojo", 64, 64, false}).IsInitialized())
        << "without vertical sync a refused interval does not matter";
    failing.clear();
}

// Offscreen swaps return at once, as on some displays with vertical sync: only with it on does the
// loop wait out short passes, never beyond the refresh interval (60 Hz when SDL cannot tell).
TEST(Core, WithVerticalSyncTheLoopWaitsOutShortPassesAtTheDisplaysRate) {
    quitFrame = 30;
    for (const auto& [vsync, rate, longestWaitUs] :
         {std::tuple{true, 120, 7500}, {true, -1, 15000}, {false, 120, 0}}) {
        displayRate = rate;
        waitsInUs.clear();
        elapsed.clear();
        Core{WindowSpec{"paced", 64, 64, vsync}}.Run<Recorder>();
        EXPECT_LT(*std::min_element(elapsed.begin(), elapsed.end()), 0.1f) << "not all clamped";
        EXPECT_EQ(waitsInUs.empty(), !vsync) << rate;
        EXPECT_LE(vsync ? *std::max_element(waitsInUs.begin(), waitsInUs.end()) : 0, longestWaitUs);
    }
    displayRate = 0;
    quitFrame = 2;
}

TEST(Core, AFallbackDriverThatShowsNothingFailsUnlessAskedFor) {
    EXPECT_TRUE(IsUnseenFallbackDriver("offscreen", nullptr));
    EXPECT_TRUE(IsUnseenFallbackDriver("dummy", ""));
    EXPECT_TRUE(IsUnseenFallbackDriver("offscreen", "x11,offscreen2"));
    EXPECT_FALSE(IsUnseenFallbackDriver("x11", nullptr) || IsUnseenFallbackDriver("", nullptr));
    EXPECT_FALSE(IsUnseenFallbackDriver("offscreen", "wayland,OffScreen"));
    EXPECT_FALSE(IsUnseenFallbackDriver("dummy", "dummy"));
}
