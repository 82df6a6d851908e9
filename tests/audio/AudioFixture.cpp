#include "AudioFixture.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>
#include <unistd.h>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr std::int16_t kAudible = 1000;
constexpr std::size_t kMinGapFrames = 100;

void PutLE(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

} // namespace

Samples MakeBeep() {
    Samples beep(4 * kToneFrames, 0);
    for (std::size_t frame = 0; frame < kToneFrames; ++frame) {
        const std::int16_t level = (frame / 25) % 2 == 0 ? 8000 : -8000;
        beep[2 * frame] = level;
        beep[2 * frame + 1] = level;
    }
    return beep;
}

void WriteWav(const std::filesystem::path& path, const Samples& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::ofstream out{path, std::ios::binary};
    out << "RIFF";
    PutLE(out, 36 + dataBytes, 4);
    out << "WAVEfmt ";
    PutLE(out, 16, 4);
    PutLE(out, 1, 2); // PCM
    PutLE(out, 2, 2);
    PutLE(out, 44100, 4);
    PutLE(out, 44100 * 4, 4);
    PutLE(out, 4, 2);
    PutLE(out, 16, 2);
    out << "data";
    PutLE(out, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        PutLE(out, static_cast<std::uint16_t>(sample), 2);
    }
}

std::vector<Burst> FindBursts(const Samples& output) {
    std::vector<Burst> bursts;
    for (std::size_t frame = 0; 2 * frame + 1 < output.size(); ++frame) {
        if (std::abs(output[2 * frame]) <= kAudible &&
            std::abs(output[2 * frame + 1]) <= kAudible) {
            continue;
        }
        if (!bursts.empty() && frame - bursts.back().endFrame < kMinGapFrames) {
            bursts.back().endFrame = frame + 1;
        } else {
            bursts.push_back({frame, frame + 1});
        }
    }
    return bursts;
}

bool WaitUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds{20};
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds{2});
    }
    return true;
}

std::string CaptureCerr(const std::function<void()>& action) {
    std::ostringstream captured;
    std::streambuf* const original = std::cerr.rdbuf(captured.rdbuf());
    action();
    std::cerr.rdbuf(original);
    return captured.str();
}

void MixerFixture::SetUp() {
    scratch = std::filesystem::temp_directory_path() / ("dojo-audio-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << SDL_GetError();
}

void MixerFixture::TearDown() {
    Mix_CloseAudio();
    Mix_Quit();
    SDL_Quit();
    std::filesystem::remove_all(scratch);
}

std::string MixerFixture::ScratchPath(const std::string& name) const {
    return (scratch / name).string();
}

std::string MixerFixture::WriteBeep(const std::string& name) const {
    WriteWav(scratch / name, MakeBeep());
    return ScratchPath(name);
}

std::vector<std::string> MixerFixture::WriteUnplayableFiles() const {
    std::ofstream{scratch / "notes.txt"} << "not a sound at all\n";
    std::ofstream{scratch / "empty.wav"};
    WriteBeep("cut.wav");
    std::filesystem::resize_file(scratch / "cut.wav", 30);
    return {ScratchPath("absent.wav"), ScratchPath("notes.txt"), ScratchPath("empty.wav"),
            ScratchPath("cut.wav")};
}

void DiskOutputFixture::SetUp() {
    outputPath = std::filesystem::temp_directory_path() /
                 ("dojo-audio-" + std::to_string(getpid()) + ".raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", outputPath.c_str(), 1);
    MixerFixture::SetUp();
}

void DiskOutputFixture::TearDown() {
    MixerFixture::TearDown();
    std::filesystem::remove(outputPath);
}

bool DiskOutputFixture::WaitForMoreOutput(std::size_t frames) const {
    const auto writtenBytes = [this] {
        std::error_code error;
        const auto size = std::filesystem::file_size(outputPath, error);
        return error ? 0 : size;
    };
    const auto target = writtenBytes() + 4 * frames;
    return WaitUntil([&] { return writtenBytes() >= target; });
}

Samples DiskOutputFixture::CloseAndReadOutput() {
    Mix_CloseAudio();
    std::ifstream in{outputPath, std::ios::binary};
    Samples output;
    std::int16_t sample = 0;
    // The file holds the device's native little-endian samples, as this machine does.
    while (in.read(reinterpret_cast<char*>(&sample), sizeof sample)) {
        output.push_back(sample);
    }
    return output;
}
