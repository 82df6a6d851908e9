#include "CameraDemo.h"
#include "GoldenFrame.h"
#include "HitTestsDemo.h"
#include "OutlinesDemo.h"
#include "ShapesDemo.h"
#include "SoundDemo.h"
#include "SpritesDemo.h"
#include "TextDemo.h"
#include "tatami2d/app/Core.h"
#include "tatami2d/app/DrawArea.h"
#include "tatami2d/app/EventDispatch.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include <SDL_mixer.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

using namespace tatami2d;

// Each example's game class played headless on a live Core, from its build folder where its
// assets are: a fixed script of SDL input records and frame times, then its final frame
// compared with the screenshot committed beside its sources. With DOJO_WRITE_SCREENSHOTS set
// (the `example-screenshots` target), the frames are written over the screenshots instead.

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 640;
constexpr int kHeight = 480;
const WindowSpec kWindow{"Tatami2D example", float(kWidth), float(kHeight), true};
const MouseMapping kMouse{kWidth, kHeight, kWidth, kHeight,
                          DrawArea{0, 0, kWidth, kHeight, float(kWidth), float(kHeight)}};

// Hands a script to the demo as Core does: "f0.1" is a frame (Update with 0.1 s, then Draw);
// "mX,Y", "dX,Y" and "uX,Y" move the mouse to, press and release its left button at (X, Y) in
// world coordinates (y upwards, stored as SDL's); "kName" presses and releases a key.
template <class Demo>
void Play(Demo& demo, const std::string& script) {
    std::istringstream words{script};
    for (std::string word; words >> word;) {
        float x = 0.0f, y = 0.0f;
        std::sscanf(word.c_str() + 1, "%f,%f", &x, &y);
        const bool down = word[0] == 'd';
        SDL_Event event{};
        if (word[0] == 'f') {
            demo.Update(x);
            demo.Draw();
        } else if (word[0] == 'm') {
            event.type = SDL_MOUSEMOTION;
            event.motion.x = Sint32(x);
            event.motion.y = kHeight - Sint32(y);
            DispatchEvent(event, demo, kMouse);
        } else if (down || word[0] == 'u') {
            event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
            event.button.button = SDL_BUTTON_LEFT;
            event.button.x = Sint32(x);
            event.button.y = kHeight - Sint32(y);
            DispatchEvent(event, demo, kMouse);
        } else {
            event.key.keysym.sym = SDL_GetKeyFromName(word.c_str() + 1);
            for (const bool press : {true, false}) {
                event.type = press ? SDL_KEYDOWN : SDL_KEYUP;
                DispatchEvent(event, demo, kMouse);
            }
        }
    }
}

// Core on SDL's offscreen video driver, started in an example's build folder where its assets
// are. Every path the tests name is absolute, so the folder is not changed back. Windows has no
// offscreen GL driver: there the window is a real one, in the test's virtual X server under
// Wine.
struct ExampleSession {
    ExampleSession(const std::string& folder, const char* audioDriver) {
        // Asked for by name: Core refuses a driver that shows nothing unless it was chosen.
#ifdef _WIN32
        SDL_setenv("SDL_VIDEODRIVER", "windows", 1);
#else
        SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
#endif
        SDL_setenv("SDL_AUDIODRIVER", audioDriver, 1);
        fs::current_path(fs::path{EXAMPLES_BINARY_DIR} / folder);
        core.emplace(kWindow);
    }
    ~ExampleSession() {
        // Core leaves the mixer's device to SDL_Quit, after which SDL_mixer still counts it
        // open and a later Core in this process would get no device of its own.
        Mix_CloseAudio();
    }

    std::optional<Core> core;
};

// Plays the script on Demo and compares its final frame with the screenshot, or writes it.
template <class Demo>
void ExpectScreenshot(const std::string& folder, const std::string& script) {
    ExampleSession session{folder, "dummy"}; // a frame needs no sound card
    ASSERT_TRUE(session.core->IsInitialized());
    Demo demo{kWindow};
    Play(demo, script);
    ExpectGolden(*CaptureFrame(kWidth, kHeight), folder, "screenshot");
}

} // namespace

// The spinner stops at 0.9 pi radians: neither along an axis nor at a whole step.
TEST(ExampleFinalFrame, ShapesMatchesTheScreenshot) {
    ExpectScreenshot<ShapesDemo>("shapes", "f0.1 f0.4 f0.4");
}

// The disc ends touching the target circle (centres 90 apart, radii 30 and 60): no overlap.
// The box ends sharing its top edge with the target box's bottom: overlap. The pointer ends
// on the segment.
TEST(ExampleFinalFrame, HitTestsMatchesTheScreenshot) {
    ExpectScreenshot<HitTestsDemo>(
        "hit-tests", "f0.02 m120,110 d120,110 m180,200 f0.02 m240,280 u240,280 f0.02 m255,105 "
                     "d255,105 m200,150 f0.02 m135,205 u135,205 m520,280 f0.02");
}

// The rock turns by 30 degrees; the pointer ends inside it, beyond the ray's hit on its left
// edge, and the bounce leaves upwards.
TEST(ExampleFinalFrame, OutlinesMatchesTheScreenshot) {
    ExpectScreenshot<OutlinesDemo>("outlines", "f0.5 m600,100 f0.5 f0.5 m330,275 f0.5 f0.5");
}

// Three frames at 10 a second, then five at 12 to come round to frame 0; paused, Right steps
// to frame 1.
TEST(ExampleFinalFrame, SpritesMatchesTheScreenshot) {
    ExpectScreenshot<SpritesDemo>(
        "sprites", "f0.07 f0.07 f0.07 f0.07 f0.07 kUp f0.1 f0.3 kSpace kRight f0.02");
}

// The drum, then the blip a little later; the music turned down two steps and paused.
TEST(ExampleFinalFrame, SoundMatchesTheScreenshot) {
    ExpectScreenshot<SoundDemo>(
        "sound", "f0.02 d320,290 u320,290 f0.1 kDown kDown kp d140,290 u140,290 f0.2");
}

// Scrolled down, zoomed in twice and turned by 15 degrees: the click picks the crate in the
// middle, and the coin has turned a little more than a quarter of a turn.
TEST(ExampleFinalFrame, CameraMatchesTheScreenshot) {
    ExpectScreenshot<CameraDemo>("camera", "f0.1 kDown k= k= kQ f0.5 d301,282 u301,282 f0.5");
}

// Wrapped two steps narrower; a click in the Cyrillic line puts the caret there, and Left
// moves it back over a two-byte letter.
TEST(ExampleFinalFrame, TextMatchesTheScreenshot) {
    ExpectScreenshot<TextDemo>("text", "f0.1 kDown kDown d150,315 u150,315 kLeft f0.1");
}

// On SDL's disk driver, which writes the mix to a file at the device's pace: with the music
// paused, a click on the blip pad must put the blip into the mix once, sample for sample as the
// mixer loads its file (at full volume the mixer adds it to silence unchanged).
TEST(SoundExample, ClickedPadIsMixedOnceWhileTheMusicIsPaused) {
    const std::string output =
        testing::TempDir() + "dojo-sound-example-" + std::to_string(getpid()) + ".raw";
    SDL_setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    std::vector<Sint16> blip;
    {
        ExampleSession session{"sound", "disk"};
        ASSERT_TRUE(session.core->IsInitialized());
        Mix_Chunk* chunk = Mix_LoadWAV("assets/blip.wav"); // in the device's format
        ASSERT_NE(chunk, nullptr) << SDL_GetError();
        const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
        blip.assign(samples, samples + chunk->alen / 2);
        Mix_FreeChunk(chunk);
        SoundDemo demo{kWindow};
        Play(demo, "f0.02 kp f0.02 d140,290 u140,290 f0.02");
        // Waits, at most 20 s, for the device to write the blip and two of its chunks more.
        const auto target = fs::file_size(output) + 2 * blip.size() + 4 * 4096;
        for (int i = 0; i < 10000 && fs::file_size(output) < target; ++i) {
            SDL_Delay(2);
        }
    } // closing the device flushes the file
    std::size_t bytes = 0;
    void* mixed = SDL_LoadFile(output.c_str(), &bytes);
    const auto* begin = static_cast<const Sint16*>(mixed);
    const auto* end = begin + bytes / 2;
    int found = 0;
    for (auto* at = begin; (at = std::search(at, end, blip.begin(), blip.end())) != end; ++at) {
        found += (at - begin) % 2 == 0; // whole frames only
    }
    std::remove(output.c_str());
    SDL_free(mixed);
    EXPECT_EQ(found, 1) << "the blip, alone and once, in " << bytes << " bytes of mix";
}
