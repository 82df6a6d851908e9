#include "audio/SoundStream.h"

#include "AudioFixture.h"
#include "audio/SoundEffect.h"

#include <cstdlib>
#include <optional>
#include <type_traits>

static_assert(!std::is_copy_constructible_v<SoundStream> && !std::is_copy_assignable_v<SoundStream>,
              "a stream is the only owner of its music");

using SoundStreamTest = MixerFixture;
using SoundStreamOutput = DiskOutputFixture;

TEST_F(SoundStreamTest, FailedLoadsAreReportedAndLeaveAStreamThatPlaysNothing) {
    for (const std::string& path : WriteUnplayableFiles()) {
        std::optional<SoundStream> stream;
        const std::string message = CaptureCerr([&] { stream.emplace(path); });
        const std::string reason = SDL_GetError();
        EXPECT_FALSE(reason.empty()) << path;
        EXPECT_EQ(message, "SoundStream: Failed to load " + path + ",\nSDL_mixer Error: " + reason);
        EXPECT_FALSE(stream->IsLoaded()) << path;
        EXPECT_FALSE(stream->Play(true)) << path;
        EXPECT_FALSE(SoundStream::IsPlaying()) << path;
    }
}

TEST_F(SoundStreamTest, StaticOperationsActOnTheMusicChannel) {
    const SoundStream stream{WriteBeep("beep.wav")};
    ASSERT_TRUE(stream.Play(true));
    EXPECT_TRUE(SoundStream::IsPlaying());
    SoundStream::Pause();
    EXPECT_EQ(Mix_PausedMusic(), 1);
    SoundStream::Resume();
    EXPECT_EQ(Mix_PausedMusic(), 0);
    SoundStream::Stop();
    EXPECT_FALSE(SoundStream::IsPlaying());

    SoundStream::SetVolume(50);
    EXPECT_EQ(SoundStream::GetVolume(), 50);
    EXPECT_EQ(Mix_VolumeMusic(-1), 50);
}

TEST_F(SoundStreamOutput, WithoutRepeatTheMusicPlaysOnceAndEnds) {
    {
        const SoundStream stream{WriteBeep("beep.wav")};
        ASSERT_TRUE(stream.Play(false));
        ASSERT_TRUE(WaitUntil([] { return !SoundStream::IsPlaying(); }));
    }
    const auto bursts = FindBursts(CloseAndReadOutput());
    ASSERT_EQ(bursts.size(), 1u);
    EXPECT_EQ(bursts[0].endFrame - bursts[0].firstFrame, kToneFrames);
}

TEST_F(SoundStreamOutput, WithRepeatTheMusicGoesOnUntilStopped) {
    constexpr std::size_t kBeepFrames = 2 * kToneFrames;
    constexpr std::size_t kQuietFrames = 8 * kBufferFrames;
    {
        const SoundStream stream{WriteBeep("beep.wav")};
        ASSERT_TRUE(stream.Play(true));
        ASSERT_TRUE(WaitForMoreOutput(6 * kBeepFrames));
        EXPECT_TRUE(SoundStream::IsPlaying());
        SoundStream::Stop();
        EXPECT_FALSE(SoundStream::IsPlaying());
        ASSERT_TRUE(WaitForMoreOutput(kQuietFrames));
    }
    const Samples output = CloseAndReadOutput();
    const auto bursts = FindBursts(output);
    ASSERT_GE(bursts.size(), 4u);
    for (std::size_t i = 1; i < bursts.size(); ++i) {
        EXPECT_LT(bursts[i].firstFrame - bursts[i - 1].endFrame, kBeepFrames) << "seamless repeat";
    }
    EXPECT_GE(output.size() / 2 - bursts.back().endFrame, kQuietFrames / 2)
        << "silence after the stop";
}

// A compressed format, loaded both whole as an effect and streamed as music.
TEST_F(SoundStreamOutput, OggVorbisPlaysAsEffectAndAsMusic) {
    if (std::system("command -v sox >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "sox is needed to make the Ogg Vorbis sample";
    }
    const std::string path = ScratchPath("tone.ogg");
    ASSERT_EQ(std::system(("sox -n -r 44100 -c 2 " + path + " synth 0.3 sine 440").c_str()), 0);
    constexpr std::size_t kPlayFrames = 44100 * 3 / 10;
    {
        const SoundEffect effect{path};
        const SoundStream stream{path};
        ASSERT_TRUE(effect.Play(0));
        ASSERT_TRUE(WaitUntil([] { return Mix_Playing(-1) == 0; }));
        ASSERT_TRUE(stream.Play(false));
        ASSERT_TRUE(WaitUntil([] { return !SoundStream::IsPlaying(); }));
    }
    std::size_t audibleFrames = 0;
    for (const Burst& burst : FindBursts(CloseAndReadOutput())) {
        audibleFrames += burst.endFrame - burst.firstFrame;
    }
    EXPECT_GT(audibleFrames, kPlayFrames * 3 / 2) << "more than one play";
    EXPECT_LT(audibleFrames, kPlayFrames * 5 / 2) << "less than three plays";
}
