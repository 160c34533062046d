#pragma once

#include <QString>

#include <vector>

// One note of a melody: its pitch in hertz (0 for a rest) and its length in beats.
struct Note {
    double frequency = 0;
    double beats = 0;
};

// A melody as it is written down: its name as the start page offers it, its tempo and its score.
// The score is a list of notes separated by blanks, each "pitch:length": the pitch a letter A to G, an
// optional "#" or "b" and the octave (A4 = 440 Hz), or "-" for a rest; the length in beats, a decimal
// number or a fraction ("1/3" for a triplet).
struct Melody {
    QString name;
    double beatsPerMinute = 120;
    QString score;
};

struct ParsedScore {
    std::vector<Note> notes;
    QString error; // empty when every note was read
};

// The anthems a pupil can choose on the start page.
const std::vector<Melody>& anthemMelodies();

// The anthem with that name, or nullptr.
const Melody* findMelody(const QString& name);

// The frequency of a pitch such as "A4", "F#5" or "Bb3"; 0 for a rest "-"; -1 when it is unreadable.
double pitchFrequency(const QString& pitch);

ParsedScore parseScore(const QString& score);

// The length of the notes in seconds at the tempo.
double scoreSeconds(const std::vector<Note>& notes, double beatsPerMinute);
