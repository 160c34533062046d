#pragma once

#include "desktop/sound/MelodyScores.h"

#include <cstdint>
#include <vector>

// How loud a melody gets at most, as a share of the 16-bit range; the rest is headroom.
inline constexpr double PeakLevel = 0.45;
// Of every note, the last part is silent, so that repeated notes stay apart.
inline constexpr double SilentShare = 0.12;

// The notes as 16-bit mono samples at the sample rate: a soft tone of a sine and two quieter harmonics,
// each note with a short attack, a gentle fade and a release that ends in silence before the next note.
// Each note begins at the sample of its beat, so the length never drifts from the tempo.
std::vector<std::int16_t> synthesiseMelody(const std::vector<Note>& notes, double beatsPerMinute,
                                           int sampleRate);

// The sample at which a beat begins.
std::size_t sampleOfBeat(double beat, double beatsPerMinute, int sampleRate);
