#include "app/StartPage.h"
#include "desktop/DesktopTests.h"
#include "desktop/StderrCapture.h"
#include "desktop/services/DesktopSound.h"
#include "desktop/sound/ToneSynthesis.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int Rate = 48000;

int loudest(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t end)
{
    int peak = 0;
    for (std::size_t i = first; i < end; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

int risingZeroCrossings(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t end)
{
    int crossings = 0;
    for (std::size_t i = first + 1; i < end; ++i)
        if (samples[i - 1] < 0 && samples[i] >= 0)
            ++crossings;
    return crossings;
}

} // namespace

// The anthems: written down readably, made into samples without an audio device, and played without
// blocking the window or bothering the pupil when the machine has no sound.

class SoundTest : public QObject {
    Q_OBJECT

private slots:
    void everyAnthemOfTheStartPageIsWritten()
    {
        const StartPage startPage;
        QCOMPARE(startPage.HYMNE.Melodies.size(), qsizetype(anthemMelodies().size()));
        for (const QString& name : startPage.HYMNE.Melodies) {
            const Melody* melody = findMelody(name);
            QVERIFY2(melody, qPrintable(name));
            const ParsedScore score = parseScore(melody->score);
            QVERIFY2(score.error.isEmpty(), qPrintable(name + ": " + score.error));
            const double seconds = scoreSeconds(score.notes, melody->beatsPerMinute);
            QVERIFY2(seconds >= 10 && seconds <= 30,
                     qPrintable(QStringLiteral("%1: %2 s").arg(name).arg(seconds)));
            const std::vector<std::int16_t> samples =
                synthesiseMelody(score.notes, melody->beatsPerMinute, Rate);
            QVERIFY2(loudest(samples, 0, samples.size()) > PeakLevel * 32767 / 2, qPrintable(name));
        }
    }

    void pitches()
    {
        const std::pair<const char*, double> rows[] = {
            {"A4", 440.0}, {"C4", 261.626}, {"F#5", 739.989}, {"Bb3", 233.082}, {"-", 0.0}, // a rest
            {"H4", -1.0},  // the German H is no letter here
            {"Cx4", -1.0}, // an unknown sign
        };
        for (const auto& [pitch, hertz] : rows)
            QVERIFY2(std::abs(pitchFrequency(QLatin1String(pitch)) - hertz) < 0.01, pitch);
    }

    void unreadableNotesAreNamed()
    {
        const ParsedScore readable = parseScore(QStringLiteral("C4:1/3 C4:1/3 C4:1/3 -:0.5 G4:1.5"));
        QCOMPARE(readable.error, QString());
        QCOMPARE(scoreSeconds(readable.notes, 60), 3.0);
        // An endless note would ask for endless samples.
        for (const char* note : {"D4", "C4:1/0", "C4:inf", "Q4:1"})
            QCOMPARE(parseScore(QStringLiteral("C4:1 ") + note).error,
                     QStringLiteral("Note „%1“ ist unlesbar").arg(note));
    }

    void notesBecomeSoftTonesWithSilenceBetween()
    {
        // Two equal notes, a rest, a third note: at 60 beats per minute each beat is one second.
        const std::vector<Note> notes = {{440, 1}, {440, 1}, {0, 0.5}, {523.25, 1.5}};
        const std::vector<std::int16_t> samples = synthesiseMelody(notes, 60, Rate);
        QCOMPARE(samples.size(), std::size_t(4 * Rate));
        const int peak = loudest(samples, 0, samples.size());
        QVERIFY(peak <= PeakLevel * 32767 + 1);
        QVERIFY(peak > PeakLevel * 32767 * 0.6);

        QCOMPARE(samples[0], std::int16_t(0));
        QVERIFY2(loudest(samples, 0, Rate / 1000) < peak / 10, "the first millisecond rises softly");
        const auto gap = static_cast<std::size_t>(Rate * SilentShare);
        QCOMPARE(loudest(samples, Rate - gap + 1, Rate), 0);   // the first note ends in silence
        QVERIFY(loudest(samples, Rate, Rate + Rate / 10) > 0); // before the second begins
        QCOMPARE(loudest(samples, 2 * Rate - gap + 1, 2 * Rate + Rate / 2), 0); // its silence and the rest
        QVERIFY(loudest(samples, 2 * Rate + Rate / 2, 4 * Rate) > 0);
    }

    void aToneHasItsPitch()
    {
        const std::vector<std::int16_t> samples = synthesiseMelody({{440, 2}}, 60, Rate);
        // One second from the middle of the tone: one rising zero crossing per period.
        QVERIFY(std::abs(risingZeroCrossings(samples, Rate / 2, Rate / 2 + Rate) - 440) <= 1);
    }

    void withoutAnAudioOutputPlayingWritesOneLineAndReturns()
    {
        if (!QMediaDevices::audioOutputs().isEmpty())
            QSKIP("This machine has an audio output; the anthem would really play.");
        const QString mute = QStringLiteral("„%1“ bleibt stumm: Kein Audioausgang vorhanden.");
        const std::pair<QString, QString> rows[] = {
            {QStringLiteral("Freude, schöner Götterfunken"), mute},
            {QStringLiteral("Siegerfanfare"), mute}, // asked for again at once: the first held nothing up
            {QStringLiteral("Marseillaise"), QStringLiteral("„%1“ gibt es nicht; es wird nichts gespielt.")},
        };
        ProcessRandom random;
        DesktopSound sound(random);
        for (const auto& [melody, line] : rows) {
            StderrCapture stderrLines;
            QElapsedTimer timer;
            timer.start();
            sound.PlayMelody(MelodyChoice{{melody}, 0}, 0);
            QVERIFY(timer.elapsed() < 2000);
            QVERIFY(!sound.player().isPlaying());
            QCOMPARE(stderrLines.diagnostics(), QStringList("koltest: Die Melodie " + line.arg(melody)));
        }
    }
};

KOLTEST_DESKTOP_TEST(SoundTest)

#include "SoundTest.moc"
