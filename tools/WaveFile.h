#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Mono 16-bit PCM sound and its WAV file, written byte for byte alike on every run.
namespace wavefile {

constexpr int kSampleRate = 22050;

using Samples = std::vector<std::int16_t>;

// False (with a message on stderr) when the file cannot be written.
bool Save(const Samples& samples, const std::string& path);

} // namespace wavefile
