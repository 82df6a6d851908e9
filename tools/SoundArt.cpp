#include "tools/SoundArt.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace soundart {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kRate = wavefile::kSampleRate;

std::int16_t ToSample(double value) {
    return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
}

std::size_t Frames(double seconds) {
    return static_cast<std::size_t>(seconds * kRate);
}

double Seconds(std::size_t frame) {
    return static_cast<double>(frame) / kRate;
}

// A short linear rise keeps the first sample from clicking.
double Attack(double t, double seconds) {
    return std::min(1.0, t / seconds);
}

double Triangle(double phase) {
    return 2.0 / kPi * std::asin(std::sin(phase));
}

double Pitch(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

} // namespace

wavefile::Samples Blip() {
    wavefile::Samples samples(Frames(0.15));
    double phase = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = Seconds(i);
        phase += 2.0 * kPi * 660.0 * std::pow(2.0, t / 0.15) / kRate;
        samples[i] = ToSample(0.6 * Attack(t, 0.003) * std::exp(-t / 0.05) * std::sin(phase));
    }
    return samples;
}

wavefile::Samples Drum() {
    wavefile::Samples samples(Frames(0.3));
    double phase = 0.0;
    std::uint32_t noise = 12345u;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = Seconds(i);
        phase += 2.0 * kPi * (45.0 + 105.0 * std::exp(-t / 0.04)) / kRate;
        noise = noise * 1664525u + 1013904223u;
        const double click = t < 0.008 ? 0.3 * (1.0 - t / 0.008) *
                                             (static_cast<double>(noise >> 8) / 8388608.0 - 1.0)
                                       : 0.0;
        samples[i] =
            ToSample(0.8 * Attack(t, 0.002) * std::exp(-t / 0.09) * std::sin(phase) + click);
    }
    return samples;
}

wavefile::Samples Chime() {
    const double partials[][3] = {{1.0, 0.45, 0.25}, {2.76, 0.2, 0.12}, {5.4, 0.1, 0.06}};
    wavefile::Samples samples(Frames(0.8));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = Seconds(i);
        double value = 0.0;
        for (const auto& [ratio, level, decay] : partials) {
            value += level * std::exp(-t / decay) * std::sin(2.0 * kPi * 1046.5 * ratio * t);
        }
        samples[i] = ToSample(Attack(t, 0.002) * value);
    }
    return samples;
}

wavefile::Samples Music() {
    // Per bar: the bass note, then the four arpeggio notes (MIDI numbers).
    const int bars[][5] = {
        {45, 57, 60, 64, 69}, {41, 53, 57, 60, 65}, {48, 60, 64, 67, 72}, {43, 55, 59, 62, 67}};
    constexpr double kNote = 0.15;
    wavefile::Samples samples(Frames(16 * kNote));
    double lead = 0.0;
    double bass = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = Seconds(i);
        const int note = std::min(15, static_cast<int>(t / kNote));
        const int* bar = bars[note / 4];
        const double inNote = t - note * kNote;
        const double inBar = t - (note / 4) * 4 * kNote;
        lead += 2.0 * kPi * Pitch(bar[1 + note % 4]) / kRate;
        bass += 2.0 * kPi * Pitch(bar[0]) / kRate;
        // Both voices only fade to half, so the music never drops to silence.
        const double value = 0.25 * (0.5 + 0.5 * std::exp(-inNote / 0.08)) * Triangle(lead) +
                             0.2 * (0.6 + 0.4 * std::exp(-inBar / 0.3)) * std::sin(bass);
        // Fading in and out over 5 ms hides the seam where the loop starts again.
        const double edge = std::min(Attack(t, 0.005), Attack(Seconds(samples.size()) - t, 0.005));
        samples[i] = ToSample(edge * value);
    }
    return samples;
}

} // namespace soundart
