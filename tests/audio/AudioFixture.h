#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// Interleaved stereo 16-bit frames at 44100 Hz: the format the device is opened with, so
// a WAV of these is mixed without conversion.
using Samples = std::vector<std::int16_t>;

constexpr std::size_t kToneFrames = 2205;
constexpr std::size_t kBufferFrames = 2048;

// A square-wave tone of kToneFrames followed by as many silent frames, so that each
// repeat of it stands apart in the output.
Samples MakeBeep();
void WriteWav(const std::filesystem::path& path, const Samples& samples);

// A run of audible frames. Quiet stretches shorter than a few milliseconds (a sine's zero
// crossings) belong to the burst around them.
struct Burst {
    std::size_t firstFrame;
    std::size_t endFrame;
};
std::vector<Burst> FindBursts(const Samples& output);

// Polls the condition for up to 20 seconds.
bool WaitUntil(const std::function<bool()>& condition);

// Runs the action with std::cerr redirected and returns what it wrote there.
std::string CaptureCerr(const std::function<void()>& action);

// Opens the audio device as the game's core does, on the driver SDL_AUDIODRIVER names,
// with a scratch folder for the files a test writes.
class MixerFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string ScratchPath(const std::string& name) const;
    // Writes MakeBeep() as a WAV file in the scratch folder and returns its path.
    std::string WriteBeep(const std::string& name) const;
    // Paths of files nothing can play: absent, text, empty, and a WAV cut in its header.
    std::vector<std::string> WriteUnplayableFiles() const;

    std::filesystem::path scratch;
};

// Sends the mixed sound into a raw file through SDL's disk driver, which writes one
// buffer per period of real time.
class DiskOutputFixture : public MixerFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Waits until the device has written at least `frames` more frames.
    bool WaitForMoreOutput(std::size_t frames) const;
    // Closes the device, which flushes the file, and returns everything it wrote.
    Samples CloseAndReadOutput();

    std::filesystem::path outputPath;
};
