#include "desktop/sound/ToneSynthesis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double AttackSeconds = 0.012;
constexpr double ReleaseSeconds = 0.045;
constexpr double FadePerSecond = 1.1; // how fast a held note grows quieter

struct Harmonic {
    int multiple;
    double level;
};
constexpr std::array<Harmonic, 3> Harmonics = {{{1, 1.0}, {2, 0.3}, {3, 0.12}}};

double harmonicsTotal()
{
    double total = 0;
    for (const Harmonic& harmonic : Harmonics)
        total += harmonic.level;
    return total;
}

// Loudness from 0 to 1 at time t into a tone that sounds for the given seconds.
double envelope(double t, double sounding)
{
    const double attack = std::min(1.0, t / AttackSeconds);
    const double release = std::clamp((sounding - t) / ReleaseSeconds, 0.0, 1.0);
    return attack * release * std::exp(-FadePerSecond * t);
}

void writeTone(std::vector<std::int16_t>& samples, std::size_t first, std::size_t count, double frequency,
               int sampleRate)
{
    const auto sounding = static_cast<std::size_t>(static_cast<double>(count) * (1.0 - SilentShare));
    const double soundingSeconds = static_cast<double>(sounding) / sampleRate;
    const double scale = PeakLevel * 32767.0 / harmonicsTotal();
    for (std::size_t i = 0; i < sounding; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        double wave = 0;
        for (const Harmonic& harmonic : Harmonics)
            wave += harmonic.level * std::sin(2 * std::numbers::pi * frequency * harmonic.multiple * t);
        samples[first + i] =
            static_cast<std::int16_t>(std::lround(scale * envelope(t, soundingSeconds) * wave));
    }
}

} // namespace

std::size_t sampleOfBeat(double beat, double beatsPerMinute, int sampleRate)
{
    return static_cast<std::size_t>(std::llround(beat * 60.0 / beatsPerMinute * sampleRate));
}

std::vector<std::int16_t> synthesiseMelody(const std::vector<Note>& notes, double beatsPerMinute,
                                           int sampleRate)
{
    double totalBeats = 0;
    for (const Note& note : notes)
        totalBeats += note.beats;
    std::vector<std::int16_t> samples(sampleOfBeat(totalBeats, beatsPerMinute, sampleRate), 0);
    double beat = 0;
    for (const Note& note : notes) {
        const std::size_t first = sampleOfBeat(beat, beatsPerMinute, sampleRate);
        beat += note.beats;
        const std::size_t end = sampleOfBeat(beat, beatsPerMinute, sampleRate);
        if (note.frequency > 0)
            writeTone(samples, first, end - first, note.frequency, sampleRate);
    }
    return samples;
}
