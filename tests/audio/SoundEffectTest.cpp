#include "audio/SoundEffect.h"

#include "AudioFixture.h"

#include <algorithm>
#include <optional>
#include <type_traits>

static_assert(!std::is_copy_constructible_v<SoundEffect> && !std::is_copy_assignable_v<SoundEffect>,
              "an effect is the only owner of its chunk");

using SoundEffectTest = MixerFixture;
using SoundEffectOutput = DiskOutputFixture;

TEST_F(SoundEffectTest, FailedLoadsAreReportedAndLeaveAnEffectThatPlaysNothing) {
    for (const std::string& path : WriteUnplayableFiles()) {
        std::optional<SoundEffect> effect;
        const std::string message = CaptureCerr([&] { effect.emplace(path); });
        const std::string reason = SDL_GetError();
        EXPECT_FALSE(reason.empty()) << path;
        EXPECT_EQ(message, "SoundEffect: Failed to load " + path + ",\nSDL_mixer Error: " + reason);
        EXPECT_FALSE(effect->IsLoaded()) << path;
        EXPECT_FALSE(effect->Play(0)) << path;
        effect->SetVolume(64);
        EXPECT_EQ(effect->GetVolume(), -1) << path;
    }
}

TEST_F(SoundEffectTest, PlayFailsOnlyWhileEveryChannelIsBusy) {
    ASSERT_EQ(Mix_AllocateChannels(2), 2);
    const SoundEffect effect{WriteBeep("beep.wav")};
    ASSERT_TRUE(effect.IsLoaded());
    EXPECT_TRUE(effect.Play(-1));
    EXPECT_TRUE(effect.Play(-1));
    EXPECT_FALSE(effect.Play(0));

    SoundEffect::StopAll();
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_TRUE(effect.Play(0));
}

TEST_F(SoundEffectTest, VolumeIsTheChunksOwn) {
    SoundEffect effect{WriteBeep("beep.wav")};
    SoundEffect other{ScratchPath("beep.wav")};
    EXPECT_EQ(effect.GetVolume(), MIX_MAX_VOLUME);
    effect.SetVolume(37);
    EXPECT_EQ(effect.GetVolume(), 37);
    EXPECT_EQ(other.GetVolume(), MIX_MAX_VOLUME);
}

TEST_F(SoundEffectOutput, PlayingOnceMixesTheSampleUnchanged) {
    {
        const SoundEffect effect{WriteBeep("beep.wav")};
        ASSERT_TRUE(effect.Play(0));
        ASSERT_TRUE(WaitUntil([] { return Mix_Playing(-1) == 0; }));
    }
    const Samples output = CloseAndReadOutput();
    const auto bursts = FindBursts(output);
    ASSERT_EQ(bursts.size(), 1u);
    ASSERT_EQ(bursts[0].endFrame - bursts[0].firstFrame, kToneFrames);
    const Samples beep = MakeBeep();
    EXPECT_TRUE(std::equal(beep.begin(), beep.begin() + 2 * kToneFrames,
                           output.begin() + 2 * bursts[0].firstFrame));
}

TEST_F(SoundEffectOutput, LoopCountTwoPlaysTheSampleThreeTimes) {
    {
        const SoundEffect effect{WriteBeep("beep.wav")};
        ASSERT_TRUE(effect.Play(2));
        ASSERT_TRUE(WaitUntil([] { return Mix_Playing(-1) == 0; }));
    }
    const auto bursts = FindBursts(CloseAndReadOutput());
    ASSERT_EQ(bursts.size(), 3u);
    for (const Burst& burst : bursts) {
        EXPECT_EQ(burst.endFrame - burst.firstFrame, kToneFrames);
    }
}

TEST_F(SoundEffectOutput, VolumeZeroMixesSilence) {
    {
        SoundEffect effect{WriteBeep("beep.wav")};
        effect.SetVolume(0);
        ASSERT_TRUE(effect.Play(0));
        ASSERT_TRUE(WaitUntil([] { return Mix_Playing(-1) == 0; }));
    }
    EXPECT_TRUE(FindBursts(CloseAndReadOutput()).empty());
}

// Long silences can only come from pausing or stopping: a beep repeats after a short gap.
TEST_F(SoundEffectOutput, PauseHoldsResumeContinuesAndStopEndsEndlessPlay) {
    constexpr std::size_t kHeldFrames = 8 * kBufferFrames;
    constexpr std::size_t kLongGap = kHeldFrames / 2;
    {
        const SoundEffect effect{WriteBeep("beep.wav")};
        ASSERT_TRUE(effect.Play(-1));
        ASSERT_TRUE(WaitForMoreOutput(4 * kBufferFrames));
        SoundEffect::PauseAll();
        EXPECT_EQ(Mix_Paused(-1), 1);
        ASSERT_TRUE(WaitForMoreOutput(kHeldFrames));
        SoundEffect::ResumeAll();
        EXPECT_EQ(Mix_Paused(-1), 0);
        ASSERT_TRUE(WaitForMoreOutput(4 * kBufferFrames));
        SoundEffect::StopAll();
        EXPECT_EQ(Mix_Playing(-1), 0);
        ASSERT_TRUE(WaitForMoreOutput(kHeldFrames));
    }
    const Samples output = CloseAndReadOutput();
    const auto bursts = FindBursts(output);
    ASSERT_GE(bursts.size(), 2u);
    int longGaps = 0;
    for (std::size_t i = 1; i < bursts.size(); ++i) {
        longGaps += bursts[i].firstFrame - bursts[i - 1].endFrame >= kLongGap ? 1 : 0;
    }
    EXPECT_EQ(longGaps, 1) << "one pause between the bursts";
    EXPECT_GE(output.size() / 2 - bursts.back().endFrame, kLongGap) << "silence after the stop";
}
