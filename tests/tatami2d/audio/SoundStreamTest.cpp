#include "tatami2d/audio/SoundStream.h"

#include "AudioFixture.h"

#include <cstdlib>

using SoundStreamOutput = MixerFixture<true>;

TEST_F(SoundStreamOutput, OggVorbisMusicPlaysOnceRepeatsPausesResumesAndStops) {
    constexpr std::size_t kPlayFrames = 13230;
    const std::string path = scratch + "tone.ogg";
    ASSERT_EQ(std::system(("sox -n -r 44100 -c 2 " + path + " synth 0.3 sine 440").c_str()), 0);
    {
        const SoundStream stream{path};
        ASSERT_TRUE(stream.Play(false));
        ASSERT_TRUE(WaitUntil([] { return !SoundStream::IsPlaying(); }));
        ASSERT_TRUE(WaitForMoreOutput(kPlayFrames) && stream.Play(true));
        ASSERT_TRUE(WaitForMoreOutput(5 * kPlayFrames) && SoundStream::IsPlaying());
        SoundStream::Pause();
        ASSERT_TRUE(WaitForMoreOutput(kPlayFrames));
        SoundStream::SetVolume(37);
        EXPECT_EQ(SoundStream::GetVolume(), 37);
        SoundStream::Resume();
        ASSERT_TRUE(WaitForMoreOutput(2 * kPlayFrames));
        SoundStream::Stop();
        ASSERT_TRUE(WaitForMoreOutput(kPlayFrames));
        SoundStream::SetVolume(MIX_MAX_VOLUME + 1);
        EXPECT_EQ(SoundStream::GetVolume(), MIX_MAX_VOLUME) << "the mixer's upper limit";
    }
    CloseAndListen();
    ASSERT_EQ(bursts.size(), 3u) << "once, repeated until paused, resumed";
    EXPECT_LT(bursts[0].second - bursts[0].first, kPlayFrames * 5 / 4) << "played once";
    EXPECT_GT(bursts[1].second - bursts[1].first, 3 * kPlayFrames) << "repeated";
    EXPECT_GE(mixed.size() / 2 - bursts[2].second, kPlayFrames / 2) << "silent after stop";
}
