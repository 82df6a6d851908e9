#include "AudioFixture.h"

#include <algorithm>

std::vector<Sint16> WriteBeep(const std::string& path) {
    std::vector<Sint16> beep(4 * kToneFrames, 0);
    std::fill_n(beep.begin(), 2 * kToneFrames, Sint16{8000});
    // 16-bit stereo PCM; the tags RIFF, WAVE, "fmt " and data as little-endian words.
    const Uint32 bytes = 8 * kToneFrames;
    const Uint32 header[] = {0x46464952, 36 + bytes, 0x45564157, 0x20746D66, 16,   0x20001,
                             44100,      4 * 44100,  0x100004,   0x61746164, bytes};
    std::ofstream{path, std::ios::binary}
        .write(reinterpret_cast<const char*>(header), sizeof header)
        .write(reinterpret_cast<const char*>(beep.data()), bytes);
    return beep;
}

Bursts FindBursts(const std::vector<Sint16>& mixed) {
    Bursts bursts;
    for (std::size_t i = 0; i < mixed.size(); ++i) {
        if (SDL_abs(mixed[i]) > 1000 && !bursts.empty() && i / 2 < bursts.back().second + 64) {
            bursts.back().second = i / 2 + 1;
        } else if (SDL_abs(mixed[i]) > 1000) {
            bursts.emplace_back(i / 2, i / 2 + 1);
        }
    }
    return bursts;
}
