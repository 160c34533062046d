#include "desktop/sound/MelodyScores.h"

#include <QStringList>

#include <cmath>

namespace {

// Semitones of the natural notes above C.
int naturalSemitone(QChar letter)
{
    switch (letter.unicode()) {
    case 'C':
        return 0;
    case 'D':
        return 2;
    case 'E':
        return 4;
    case 'F':
        return 5;
    case 'G':
        return 7;
    case 'A':
        return 9;
    case 'B':
        return 11;
    default:
        return -1;
    }
}

double readBeats(const QString& text)
{
    bool ok = false;
    const QStringList fraction = text.split(QLatin1Char('/'));
    if (fraction.size() == 2) {
        bool denominatorOk = false;
        const double numerator = fraction[0].toDouble(&ok);
        const double denominator = fraction[1].toDouble(&denominatorOk);
        return ok && denominatorOk && denominator > 0 ? numerator / denominator : -1;
    }
    const double beats = text.toDouble(&ok);
    return ok && std::isfinite(beats) ? beats : -1;
}

} // namespace

const std::vector<Melody>& anthemMelodies()
{
    // Ode to joy in C: two phrases, the middle part and the second phrase again.
    static const QString joyPhraseStart =
        QStringLiteral("E5:1 E5:1 F5:1 G5:1 G5:1 F5:1 E5:1 D5:1 C5:1 C5:1 D5:1 E5:1 ");
    static const QString joyClosing = joyPhraseStart + QStringLiteral("D5:1.5 C5:0.5 C5:2 ");
    static const std::vector<Melody> melodies = {
        {QStringLiteral("Freude, schöner Götterfunken"), 138,
         joyPhraseStart + QStringLiteral("E5:1.5 D5:0.5 D5:2 ") + joyClosing +
             QStringLiteral("D5:1 D5:1 E5:1 C5:1 D5:1 E5:0.5 F5:0.5 E5:1 C5:1 "
                            "D5:1 E5:0.5 F5:0.5 E5:1 D5:1 C5:1 D5:1 G4:2 ") +
             joyClosing},
        // The serenade's opening: the rising call twice, then the running answer and the close on G.
        {QStringLiteral("Kleine Nachtmusik"), 120,
         QStringLiteral("G5:1 -:0.5 D5:0.5 G5:1 -:0.5 D5:0.5 G5:0.5 D5:0.5 G5:0.5 B5:0.5 D6:2 "
                        "C6:1 -:0.5 A5:0.5 C6:1 -:0.5 A5:0.5 C6:0.5 A5:0.5 F#5:0.5 A5:0.5 D5:2 "
                        "G5:1 G5:0.5 B5:0.25 A5:0.25 G5:0.5 G5:0.5 F#5:0.5 F#5:0.5 "
                        "A5:0.25 C6:0.25 F#5:0.5 A5:0.5 G5:0.5 G5:0.5 B5:0.25 A5:0.25 G5:0.5 G5:0.5 "
                        "F#5:0.5 F#5:0.5 A5:0.25 C6:0.25 F#5:0.5 A5:0.5 G5:0.5 G5:1 "
                        "G5:0.5 D5:0.5 B4:0.5 D5:0.5 G5:2")},
        // A stately march on the notes of a natural trumpet.
        {QStringLiteral("Triumphmarsch"), 108,
         QStringLiteral("C5:1.5 C5:0.5 E5:1 G5:1 G5:2 E5:1.5 C5:0.5 D5:1 E5:0.5 D5:0.5 C5:1 D5:1 E5:3 -:1 "
                        "C5:1.5 C5:0.5 E5:1 G5:1 C6:2 G5:1.5 E5:0.5 D5:1.5 G5:0.5 E5:1 D5:1 C5:3 -:1")},
        // Triplet calls climbing the C major chord up to the high C.
        {QStringLiteral("Siegerfanfare"), 112,
         QStringLiteral("G4:1/3 G4:1/3 G4:1/3 C5:1.5 G4:0.5 C5:0.5 E5:0.5 G5:2 E5:1 C5:1 "
                        "E5:1/3 E5:1/3 E5:1/3 G5:1.5 E5:0.5 G5:0.5 C6:0.5 C6:3 -:1 "
                        "A5:1/3 A5:1/3 A5:1/3 F5:1 A5:1 C6:1 G5:1.5 E5:0.5 C5:1 E5:1 "
                        "D5:1/3 D5:1/3 D5:1/3 G5:1 B5:1 D6:1 C6:3 -:1")},
    };
    return melodies;
}

const Melody* findMelody(const QString& name)
{
    for (const Melody& melody : anthemMelodies())
        if (melody.name == name)
            return &melody;
    return nullptr;
}

double pitchFrequency(const QString& pitch)
{
    if (pitch == QLatin1String("-"))
        return 0;
    if (pitch.size() < 2 || pitch.size() > 3)
        return -1;
    int semitone = naturalSemitone(pitch.front());
    if (semitone < 0)
        return -1;
    if (pitch.size() == 3) {
        if (pitch[1] == QLatin1Char('#'))
            ++semitone;
        else if (pitch[1] == QLatin1Char('b'))
            --semitone;
        else
            return -1;
    }
    const QChar octave = pitch.back();
    if (!octave.isDigit())
        return -1;
    const int midi = 12 * (octave.digitValue() + 1) + semitone;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

ParsedScore parseScore(const QString& score)
{
    ParsedScore parsed;
    for (const QString& token : score.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = token.split(QLatin1Char(':'));
        const double frequency = parts.size() == 2 ? pitchFrequency(parts[0]) : -1;
        const double beats = parts.size() == 2 ? readBeats(parts[1]) : -1;
        if (frequency < 0 || beats <= 0) {
            parsed.error = QStringLiteral("Note „%1“ ist unlesbar").arg(token);
            return parsed;
        }
        parsed.notes.push_back({frequency, beats});
    }
    return parsed;
}

double scoreSeconds(const std::vector<Note>& notes, double beatsPerMinute)
{
    double beats = 0;
    for (const Note& note : notes)
        beats += note.beats;
    return beats * 60.0 / beatsPerMinute;
}
