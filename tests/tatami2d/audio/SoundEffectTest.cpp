#include "tatami2d/audio/SoundEffect.h"

#include "AudioFixture.h"
#include "tatami2d/audio/SoundStream.h"

#include <algorithm>

using SoundEffectTest = MixerFixture<false>;
using SoundEffectOutput = MixerFixture<true>;

TEST_F(SoundEffectTest, FailedLoadsAreReportedAndLeaveAnEffectOrStreamThatPlaysNothing) {
    std::ofstream{scratch + "notes.txt"} << "not a sound at all\n";
    std::ofstream{scratch + "empty.wav"};
    std::ofstream{scratch + "cut.wav"} << "RIFF\x24\x01\x02\x03WAVEfmt ";
    for (const std::string name : {"absent.wav", "notes.txt", "empty.wav", "cut.wav"}) {
        const std::string failed = "Failed to load " + scratch + name + ",\nSDL_mixer Error: ";
        testing::internal::CaptureStderr();
        const SoundEffect effect{scratch + name};
        const std::string effectError = SDL_GetError();
        const SoundStream stream{scratch + name};
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "SoundEffect: " + failed + effectError +
                                                              "SoundStream: " + failed +
                                                              SDL_GetError());
        EXPECT_EQ(effect.GetVolume(), -1);
        EXPECT_FALSE(effect.IsLoaded() || effect.Play(0)) << name;
        EXPECT_FALSE(stream.IsLoaded() || stream.Play(true) || SoundStream::IsPlaying()) << name;
    }
}

TEST_F(SoundEffectTest, PlayFailsWhileEveryChannelIsBusyAndVolumeIsTheEffectsOwn) {
    ASSERT_EQ(Mix_AllocateChannels(2), 2);
    WriteBeep(scratch + "beep.wav");
    SoundEffect effect{scratch + "beep.wav"};
    const SoundEffect other{scratch + "beep.wav"};
    EXPECT_TRUE(effect.Play(-1) && other.Play(-1));
    EXPECT_FALSE(effect.Play(0));
    effect.SetVolume(37);
    EXPECT_EQ(effect.GetVolume(), 37);
    EXPECT_EQ(other.GetVolume(), MIX_MAX_VOLUME);
}

// The beep ends in silence, so in endless play only a pause or a stop leaves a long gap.
TEST_F(SoundEffectOutput, PlaysTheSampleUnchangedLoopsMutesPausesResumesAndStops) {
    constexpr std::size_t kHeldFrames = 8 * 2048;
    const std::vector<Sint16> beep = WriteBeep(scratch + "beep.wav");
    {
        SoundEffect effect{scratch + "beep.wav"};
        const std::pair<int, int> plays[] = {{0, 128}, {2, 128}, {0, 0}, {-1, 128}};
        for (const auto& [loops, volume] : plays) {
            effect.SetVolume(volume);
            ASSERT_TRUE(effect.Play(loops));
            ASSERT_TRUE(loops < 0 || WaitUntil([] { return Mix_Playing(-1) == 0; }));
        }
        for (void (*then)() :
             {SoundEffect::PauseAll, SoundEffect::ResumeAll, SoundEffect::StopAll}) {
            ASSERT_TRUE(WaitForMoreOutput(kHeldFrames));
            then();
        }
        ASSERT_TRUE(WaitForMoreOutput(kHeldFrames));
    }
    CloseAndListen();
    ASSERT_GE(bursts.size(), 6u);
    EXPECT_TRUE(std::equal(beep.begin(), beep.end(), mixed.begin() + 2 * bursts[0].first));
    EXPECT_GE(bursts[4].first - bursts[3].second, 3 * kToneFrames) << "1 + 3 plays, then muted";
    std::size_t longGaps = mixed.size() / 2 >= bursts.back().second + kHeldFrames / 2;
    for (std::size_t i = 5; i < bursts.size(); ++i) {
        longGaps += bursts[i].first >= bursts[i - 1].second + kHeldFrames / 2;
    }
    EXPECT_EQ(longGaps, 2u) << "one pause within the endless play and silence after the stop";
}
