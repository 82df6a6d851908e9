#include "CameraDemo.h"
#include "GoldenFrame.h"
#include "HitTestsDemo.h"
#include "OutlinesDemo.h"
#include "ShapesDemo.h"
#include "SoundDemo.h"
#include "SpritesDemo.h"
#include "TextDemo.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include <SDL_mixer.h>
#include <gtest/gtest.h>

// Each example played headless on a live Core by a fixed script of input and frame times, then
// its final frame compared with the screenshot committed beside its sources. With
// DOJO_WRITE_SCREENSHOTS set (the `example-screenshots` target), the frames are written over the
// screenshots instead.

namespace {

template <class Demo>
void ExpectScreenshot(const char* folder, const std::string& script) {
    PlayExample<Demo>(folder, Script(script));
    ExpectShots(folder);
}

} // namespace

TEST(ExampleFinalFrame, EachMatchesItsScreenshot) {
    // The spinner stops at 0.9 pi radians: neither along an axis nor at a whole step.
    ExpectScreenshot<ShapesDemo>("shapes", "f0.1 f0.4 f0.4");
    // The disc ends touching the target circle (centres 90 apart, radii 30 and 60): no overlap.
    // The box ends sharing its top edge with the target box's bottom: overlap. The pointer ends
    // on the segment.
    ExpectScreenshot<HitTestsDemo>(
        "hit-tests", "f0.02 m120,110 d120,110 m180,200 f0.02 m240,280 u240,280 f0.02 m255,105 "
                     "d255,105 m200,150 f0.02 m135,205 u135,205 m520,280 f0.02");
    // The rock turns by 30 degrees; the pointer ends inside it, beyond the ray's hit on its left
    // edge, and the bounce leaves upwards.
    ExpectScreenshot<OutlinesDemo>("outlines", "f0.5 m600,100 f0.5 f0.5 m330,275 f0.5 f0.5");
    // Three frames at 10 a second, then five at 12 to come round to frame 0; paused, Right steps
    // to frame 1.
    ExpectScreenshot<SpritesDemo>(
        "sprites", "f0.07 f0.07 f0.07 f0.07 f0.07 kUp f0.1 f0.3 kSpace kRight f0.02");
    // The drum, then the blip a little later; the music turned down two steps and paused.
    ExpectScreenshot<SoundDemo>(
        "sound", "f0.02 d320,290 u320,290 f0.1 kDown kDown kp d140,290 u140,290 f0.2");
    // Scrolled down, zoomed in twice and turned by 15 degrees: the click picks the crate in the
    // middle, and the coin has turned a little more than a quarter of a turn.
    ExpectScreenshot<CameraDemo>("camera", "f0.1 kDown k= k= kQ f0.5 d301,282 u301,282 f0.5");
    // Wrapped two steps narrower; a click in the Cyrillic line puts the caret there, and Left
    // moves it back over a two-byte letter.
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
    std::vector<std::function<void()>> script = Script("f0.02 kp f0.02 d140,290 u140,290 f0.02");
    script.insert(script.begin(), [&blip] {
        Mix_Chunk* chunk = Mix_LoadWAV("assets/blip.wav"); // in the device's format
        ASSERT_NE(chunk, nullptr) << SDL_GetError();
        const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
        blip.assign(samples, samples + chunk->alen / 2);
        Mix_FreeChunk(chunk);
    });
    script.push_back([&] {
        // Waits, at most 20 s, for the device to write the blip and two of its chunks more.
        const auto target = std::filesystem::file_size(output) + 2 * blip.size() + 4 * 4096;
        for (int i = 0; i < 10000 && std::filesystem::file_size(output) < target; ++i) {
            SDL_Delay(2);
        }
    });
    PlayExample<SoundDemo>("sound", std::move(script), {}, "disk"); // closing the device flushes
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
