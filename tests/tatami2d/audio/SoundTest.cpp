#include "tatami2d/audio/SoundEffect.h"
#include "tatami2d/audio/SoundStream.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

#include <SDL.h>
#include <gtest/gtest.h>

using namespace tatami2d;

namespace {

constexpr std::size_t kToneFrames = 2205;
std::atomic<std::size_t> audible{0}; // frames mixed louder than a whisper
std::atomic<std::size_t> mixes{0};   // buffers mixed

void CountAudible(void* /*unused*/, Uint8* stream, int bytes) {
    const auto* samples = reinterpret_cast<const Sint16*>(stream);
    for (int i = 0; i < bytes / 2; i += 2) {
        audible += std::abs(samples[i]) > 1000;
    }
    ++mixes;
}

// Waits until `condition` holds, then two buffers more, so that what was playing is heard.
bool WaitUntil(bool (*condition)()) {
    for (int i = 0; i < 5000 && !condition(); ++i) {
        SDL_Delay(2);
    }
    for (const std::size_t heard = mixes + 2; mixes < heard;) {
        SDL_Delay(2);
    }
    return condition();
}

} // namespace

// The device opened as the game's core does, on SDL's dummy driver, which mixes in real time.
class Sound : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
        Mix_SetPostMix(CountAudible, nullptr);
        // 16-bit stereo PCM in little-endian words (tags RIFF, WAVE, "fmt ", data): kToneFrames
        // frames at 8000 on both channels, then as many silent ones.
        const Uint32 bytes = 8 * kToneFrames;
        std::vector<Uint32> wav{0x46464952, 36 + bytes, 0x45564157, 0x20746D66, 16,   0x20001,
                                44100,      4 * 44100,  0x100004,   0x61746164, bytes};
        wav.resize(wav.size() + kToneFrames, 8000 * 0x10001);
        wav.resize(wav.size() + kToneFrames, 0);
        std::ofstream{beepPath, std::ios::binary}.write(reinterpret_cast<const char*>(wav.data()),
                                                        4 * wav.size());
    }
    void TearDown() override {
        Mix_CloseAudio();
        SDL_Quit();
        std::remove(beepPath.c_str());
    }

    const std::string beepPath = testing::TempDir() + "beep-" + std::to_string(getpid()) + ".wav";
};

TEST_F(Sound, FailedLoadsAreReportedAndLeaveAnEffectOrStreamThatPlaysNothing) {
    const std::string failed = "Failed to load " + beepPath + "x,\nSDL_mixer Error: ";
    testing::internal::CaptureStderr();
    const SoundEffect effect{beepPath + "x"};
    const std::string effectError = SDL_GetError();
    const SoundStream stream{beepPath + "x"};
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "SoundEffect: " + failed + effectError + "SoundStream: " + failed + SDL_GetError());
    EXPECT_FALSE(effect.IsLoaded() || effect.Play(0) || effect.GetVolume() != -1);
    EXPECT_FALSE(stream.IsLoaded() || stream.Play(true) || SoundStream::IsPlaying());
}

TEST_F(Sound, EffectsPlayLoopsPlusOneTimesAtTheirVolumeOnFreeChannelsAndStopAsTheyGo) {
    ASSERT_EQ(Mix_AllocateChannels(2), 2);
    SoundEffect effect{beepPath};
    for (const auto& [loops, volume, plays] : {std::tuple{0, 128, 1u}, {2, 128, 3u}, {0, 0, 0u}}) {
        effect.SetVolume(volume);
        audible = 0;
        ASSERT_TRUE(effect.Play(loops) && WaitUntil([] { return Mix_Playing(-1) == 0; }));
        EXPECT_EQ(audible, plays * kToneFrames) << loops << " " << volume;
    }
    EXPECT_TRUE(effect.GetVolume() == 0 && effect.Play(-1) && effect.Play(-1));
    EXPECT_FALSE(effect.Play(0)) << "every channel is busy";
    SoundEffect::PauseAll();
    EXPECT_EQ(Mix_Paused(-1), 2);
    SoundEffect::ResumeAll();
    EXPECT_EQ(Mix_Paused(-1), 0);
    SoundEffect::StopAll();
    EXPECT_EQ(Mix_Playing(-1), 0);
    ASSERT_TRUE(SoundEffect{beepPath}.Play(-1));
    EXPECT_EQ(Mix_Playing(-1), 0);
    ASSERT_TRUE(SoundStream{beepPath}.Play(true));
    EXPECT_FALSE(SoundStream::IsPlaying());
}

TEST_F(Sound, MusicPlaysOnceOrUntilStoppedAndPausesResumesAndKeepsItsVolume) {
    const SoundStream stream{beepPath};
    audible = 0;
    ASSERT_TRUE(stream.Play(false) && WaitUntil([] { return !SoundStream::IsPlaying(); }));
    EXPECT_EQ(audible, kToneFrames) << "played once";
    ASSERT_TRUE(stream.Play(true) && WaitUntil([] { return audible > 4 * kToneFrames; }));
    SoundStream::Pause();
    EXPECT_TRUE(Mix_PausedMusic() && SoundStream::IsPlaying()) << "paused, still on the channel";
    SoundStream::Resume();
    SoundStream::SetVolume(37);
    EXPECT_FALSE(Mix_PausedMusic() || SoundStream::GetVolume() != 37);
    SoundStream::Stop();
    EXPECT_FALSE(SoundStream::IsPlaying());
}
