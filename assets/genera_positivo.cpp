// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the sound of a right answer: three soft rising notes, each dying away, as a
// 16-bit mono 44.1 kHz WAV file. Computed rather than recorded, so the build can make it.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int FrequenzaCampioni = 44100;
constexpr double Durata = 0.42;

struct Nota {
    double inizio;    // s
    double frequenza; // Hz
};
// E5, G5, C6: a major chord rising, which sounds like "well done".
constexpr Nota Note[] = {{0.00, 659.26}, {0.09, 783.99}, {0.18, 1046.50}};

void scrivi16(std::ofstream& f, std::uint16_t v)
{
    const char b[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    f.write(b, 2);
}

void scrivi32(std::ofstream& f, std::uint32_t v)
{
    scrivi16(f, static_cast<std::uint16_t>(v & 0xffff));
    scrivi16(f, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s file.wav\n", argv[0]);
        return 2;
    }
    const int n = static_cast<int>(Durata * FrequenzaCampioni);
    std::vector<std::int16_t> campioni(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FrequenzaCampioni;
        double v = 0.0;
        for (const Nota& nota : Note) {
            const double u = t - nota.inizio;
            if (u < 0.0)
                continue;
            // A 5 ms rise keeps the start from clicking; the decay keeps it soft.
            const double inviluppo = std::min(1.0, u / 0.005) * std::exp(-u * 9.0);
            v += 0.22 * inviluppo * std::sin(2.0 * std::numbers::pi * nota.frequenza * u);
        }
        // The last 20 ms fade to silence, so the end does not click either.
        const double coda = std::min(1.0, (Durata - t) / 0.02);
        campioni[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(std::lround(v * coda * 32767.0));
    }

    std::ofstream f(argv[1], std::ios::binary);
    const auto byteDati = static_cast<std::uint32_t>(campioni.size() * 2);
    f.write("RIFF", 4);
    scrivi32(f, 36 + byteDati);
    f.write("WAVEfmt ", 8);
    scrivi32(f, 16); // size of the fmt chunk
    scrivi16(f, 1);  // PCM
    scrivi16(f, 1);  // mono
    scrivi32(f, FrequenzaCampioni);
    scrivi32(f, FrequenzaCampioni * 2); // bytes per second
    scrivi16(f, 2);                     // bytes per frame
    scrivi16(f, 16);                    // bits per sample
    f.write("data", 4);
    scrivi32(f, byteDati);
    for (std::int16_t c : campioni)
        scrivi16(f, static_cast<std::uint16_t>(c));
    f.close();
    return f ? 0 : 1;
}
