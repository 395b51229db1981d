// Writes the program's sound files into the folder given as the only argument: "chma.wav", a short click,
// and "chma00.wav" to "chma11.wav", one short tone per glyph. The glyph tones climb a major pentatonic
// scale in the order of the full glyph cycle; the blank's tone is low and soft. All of them are 16-bit
// mono PCM, quiet and shorter than 250 ms, and the same on every build.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Tone {
    double frequency;  // Hz
    double amplitude;  // peak, as a share of full scale
    double attack;     // seconds to full level
    double decay;      // time constant of the fall after the attack, seconds
    double length;     // seconds
    double overtone;   // level of the second harmonic against the first; it gives the tone a soft edge
};

std::vector<std::int16_t> render(const Tone& tone) {
    const int count = static_cast<int>(tone.length * kRate);
    // The last 10 ms fade to silence, so no tone ends in a click of its own.
    const double fade = 0.010;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double level = t < tone.attack ? t / tone.attack : std::exp(-(t - tone.attack) / tone.decay);
        if (t > tone.length - fade) level *= (tone.length - t) / fade;
        const double phase = 2 * std::numbers::pi * tone.frequency * t;
        const double wave = (std::sin(phase) + tone.overtone * std::sin(2 * phase)) / (1 + tone.overtone);
        samples[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(std::lround(32767.0 * tone.amplitude * level * wave));
    }
    return samples;
}

void put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

bool writeWave(const std::string& path, const std::vector<std::int16_t>& samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    put32(bytes, 36 + dataSize);
    bytes += "WAVEfmt ";
    put32(bytes, 16);  // size of the format chunk
    put16(bytes, 1);   // PCM
    put16(bytes, 1);   // mono
    put32(bytes, kRate);
    put32(bytes, kRate * 2);  // bytes per second
    put16(bytes, 2);          // bytes per frame
    put16(bytes, 16);         // bits per sample
    bytes += "data";
    put32(bytes, dataSize);
    for (std::int16_t s : samples) put16(bytes, static_cast<std::uint16_t>(s));

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = writeWave(folder + "/chma.wav", render({1800.0, 0.30, 0.001, 0.004, 0.030, 0.0}));

    // Semitones above G4 of the major pentatonic scale, one step per glyph of the full cycle.
    constexpr std::array<int, 11> kSteps = {0, 2, 4, 7, 9, 12, 14, 16, 19, 21, 24};
    for (std::size_t i = 0; i < kSteps.size(); ++i) {
        const double frequency = 392.0 * std::pow(2.0, kSteps[i] / 12.0);
        const std::string name = "/chma" + std::to_string(i / 10) + std::to_string(i % 10) + ".wav";
        ok = writeWave(folder + name, render({frequency, 0.25, 0.004, 0.060, 0.180, 0.25})) && ok;
    }
    ok = writeWave(folder + "/chma11.wav", render({196.0, 0.22, 0.015, 0.070, 0.200, 0.15})) && ok;

    if (!ok) std::fprintf(stderr, "%s: cannot write the sound files into %s\n", argv[0], folder.c_str());
    return ok ? 0 : 1;
}
