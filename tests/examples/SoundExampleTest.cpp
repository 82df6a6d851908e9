#include "AudioFixture.h"
#include "ExampleScripts.h"
#include "SoundDemo.h"
#include "tatami2d/app/Core.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kChunkFrames = 2048; // the mixer's chunk, as Core opens the device
constexpr std::size_t kSilentFrames = 2 * kChunkFrames;

// Frames of the sound that rise above the burst threshold, as the mixer plays them at
// 44100 Hz: from the first such sample to the last.
std::size_t AudibleFrames(const std::string& wavPath) {
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 bytes = 0;
    if (SDL_LoadWAV(wavPath.c_str(), &spec, &buffer, &bytes) == nullptr) {
        ADD_FAILURE() << wavPath << ": " << SDL_GetError();
        return 0;
    }
    const auto* samples = reinterpret_cast<const Sint16*>(buffer);
    const std::vector<Sint16> mono{samples, samples + bytes / 2};
    SDL_FreeWAV(buffer);
    const auto loud = [](Sint16 sample) { return SDL_abs(sample) > 1000; };
    const auto first = std::find_if(mono.begin(), mono.end(), loud);
    const auto last = std::find_if(mono.rbegin(), mono.rend(), loud).base();
    return first < last ? static_cast<std::size_t>(last - first) * 44100 / spec.freq : 0;
}

// The file's size so far, or 0 while there is none.
std::uintmax_t SizeOf(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    return error ? 0 : size;
}

} // namespace

// On SDL's disk driver, which writes the mix to a file at the device's real pace: music
// plays, P pauses it, a click on the blip pad plays the effect, R resumes the music. The
// effect must stand alone in the mix, the paused music's silence on both sides, as long as
// its sound file makes it, with music before and after.
TEST(SoundExample, ClickedPadIsMixedWhileTheMusicIsPaused) {
    std::error_code error;
    const fs::path scratch =
        fs::path{testing::TempDir()} / ("dojo-sound-example-" + std::to_string(getpid()));
    fs::create_directories(scratch, error);
    const std::string output = (scratch / "output.raw").string();
    SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
    SDL_setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
    Core core{ExampleWindow()};
    ASSERT_TRUE(core.IsInitialized());
    const fs::path previous = fs::current_path(error);
    fs::current_path(RunFolder("sound"), error);
    ASSERT_FALSE(error) << RunFolder("sound") << ": " << error.message();
    const std::size_t blipFrames = AudibleFrames("assets/blip.wav");
    ASSERT_GT(blipFrames, kChunkFrames);

    // Waits for the device to have written this many frames more; the file grows in chunks.
    const auto playThrough = [&output](std::size_t frames) {
        const auto target = SizeOf(output) + 4 * frames;
        return WaitUntil([&] { return SizeOf(output) >= target; });
    };
    {
        SoundDemo demo{ExampleWindow()};
        Play(demo, {Frame(0.02f)});
        ASSERT_TRUE(playThrough(3 * kChunkFrames));
        Play(demo, {KeyDown(SDLK_p), KeyUp(SDLK_p), Frame(0.02f)});
        ASSERT_TRUE(playThrough(kSilentFrames + kChunkFrames));
        Play(demo, {MouseDown(140.0f, 290.0f), MouseUp(140.0f, 290.0f), Frame(0.02f)});
        ASSERT_TRUE(playThrough(blipFrames + kSilentFrames + kChunkFrames));
        Play(demo, {KeyDown(SDLK_r), KeyUp(SDLK_r), Frame(0.02f)});
        ASSERT_TRUE(playThrough(3 * kChunkFrames));
    }
    Mix_CloseAudio(); // flushes the file
    fs::current_path(previous, error);

    std::vector<Sint16> mixed(SizeOf(output) / 2);
    std::ifstream{output, std::ios::binary}.read(reinterpret_cast<char*>(mixed.data()),
                                                 std::streamsize(2 * mixed.size()));
    fs::remove_all(scratch, error);
    // Passages: bursts with less than the paused music's silence between them.
    Bursts passages;
    for (const auto& burst : FindBursts(mixed)) {
        if (!passages.empty() && burst.first < passages.back().second + kSilentFrames) {
            passages.back().second = burst.second;
        } else {
            passages.push_back(burst);
        }
    }
    ASSERT_EQ(passages.size(), 3u) << "music, then the effect alone, then music again";
    const auto length = static_cast<double>(passages[1].second - passages[1].first);
    const auto expected = static_cast<double>(blipFrames);
    EXPECT_NEAR(length, expected, expected / 20.0) << "the blip, played once";
}
