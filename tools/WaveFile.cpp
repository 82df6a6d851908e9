#include "tools/WaveFile.h"

#include <fstream>
#include <iostream>

namespace wavefile {
namespace {

// WAV is little-endian whatever the machine.
void Put(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

bool Save(const Samples& samples, const std::string& path) {
    const auto dataBytes = static_cast<std::uint32_t>(2 * samples.size());
    std::string bytes{"RIFF"};
    Put(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    Put(bytes, 16, 4); // size of the format chunk
    Put(bytes, 1, 2);  // PCM
    Put(bytes, 1, 2);  // one channel
    Put(bytes, kSampleRate, 4);
    Put(bytes, 2 * kSampleRate, 4); // bytes a second
    Put(bytes, 2, 2);               // bytes a frame
    Put(bytes, 16, 2);              // bits a sample
    bytes += "data";
    Put(bytes, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        Put(bytes, static_cast<std::uint16_t>(sample), 2);
    }
    std::ofstream out{path, std::ios::binary};
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "wavefile::Save, error when writing " << path << std::endl;
        return false;
    }
    return true;
}

} // namespace wavefile
