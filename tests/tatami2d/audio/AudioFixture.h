#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

constexpr std::size_t kToneFrames = 2205;

// Writes kToneFrames at a constant level, then as many silent frames, as a WAV file.
std::vector<Sint16> WriteBeep(const std::string& path);

// [first, end) of each audible run of frames (a sample above 1000) in interleaved stereo
// samples; a quiet stretch under 64 frames belongs to the run.
using Bursts = std::vector<std::pair<std::size_t, std::size_t>>;
Bursts FindBursts(const std::vector<Sint16>& mixed);

inline bool WaitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 10000 && !condition(); ++i) {
        SDL_Delay(2);
    }
    return condition();
}

// Opens the device as the game's core does; the disk driver writes the mix out in real time.
template <bool kToDisk>
class MixerFixture : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(scratch);
        SDL_setenv("SDL_AUDIODRIVER", kToDisk ? "disk" : "dummy", 1);
        SDL_setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
    }
    void TearDown() override {
        Mix_CloseAudio();
        SDL_Quit(); // so that the next test in this process picks its own driver
        std::filesystem::remove_all(scratch);
    }
    bool WaitForMoreOutput(std::size_t frames) const {
        const auto target = std::filesystem::file_size(output) + 4 * frames;
        return WaitUntil([&] { return std::filesystem::file_size(output) >= target; });
    }
    // Closes the device, which flushes the file, and reads back what was mixed.
    void CloseAndListen() {
        Mix_CloseAudio();
        mixed.resize(std::filesystem::file_size(output) / 2);
        std::ifstream{output, std::ios::binary}.read(reinterpret_cast<char*>(mixed.data()),
                                                     std::streamsize(2 * mixed.size()));
        bursts = FindBursts(mixed);
    }

    const std::string scratch = testing::TempDir() + "dojo-audio-" + std::to_string(getpid()) + "/";
    const std::string output = scratch + "output.raw";
    std::vector<Sint16> mixed; // interleaved stereo frames
    Bursts bursts;
};
