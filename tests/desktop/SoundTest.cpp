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
    void everyAnthemOfTheStartPageIsWritten();
    void pitches_data();
    void pitches();
    void unreadableNotesAreNamed_data();
    void unreadableNotesAreNamed();
    void notesBecomeSoftTonesWithSilenceBetween();
    void aToneHasItsPitch();
    void withoutAnAudioOutputPlayingWritesOneLineAndReturns();
};

void SoundTest::everyAnthemOfTheStartPageIsWritten()
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
        const std::vector<std::int16_t> samples = synthesiseMelody(score.notes, melody->beatsPerMinute, Rate);
        QVERIFY2(loudest(samples, 0, samples.size()) > PeakLevel * 32767 / 2, qPrintable(name));
    }
}

void SoundTest::pitches_data()
{
    QTest::addColumn<QString>("pitch");
    QTest::addColumn<double>("hertz");
    QTest::newRow("concert A") << "A4" << 440.0;
    QTest::newRow("middle C") << "C4" << 261.626;
    QTest::newRow("sharp") << "F#5" << 739.989;
    QTest::newRow("flat") << "Bb3" << 233.082;
    QTest::newRow("rest") << "-" << 0.0;
    QTest::newRow("German H is no letter here") << "H4" << -1.0;
    QTest::newRow("unknown sign") << "Cx4" << -1.0;
}

void SoundTest::pitches()
{
    QFETCH(QString, pitch);
    QFETCH(double, hertz);
    QVERIFY2(std::abs(pitchFrequency(pitch) - hertz) < 0.01,
             qPrintable(QString::number(pitchFrequency(pitch))));
}

void SoundTest::unreadableNotesAreNamed_data()
{
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("error");
    QTest::addColumn<double>("beats");
    QTest::newRow("triplets and rests") << "C4:1/3 C4:1/3 C4:1/3 -:0.5 G4:1.5"
                                        << "" << 3.0;
    QTest::newRow("no length") << "C4:1 D4"
                               << "Note „D4“ ist unlesbar" << 0.0;
    // An endless note would ask for endless samples.
    QTest::newRow("division by zero") << "C4:1/0"
                                      << "Note „C4:1/0“ ist unlesbar" << 0.0;
    QTest::newRow("endless length") << "C4:inf"
                                    << "Note „C4:inf“ ist unlesbar" << 0.0;
    QTest::newRow("bad pitch") << "Q4:1"
                               << "Note „Q4:1“ ist unlesbar" << 0.0;
}

void SoundTest::unreadableNotesAreNamed()
{
    QFETCH(QString, score);
    QFETCH(QString, error);
    QFETCH(double, beats);
    const ParsedScore parsed = parseScore(score);
    QCOMPARE(parsed.error, error);
    if (error.isEmpty())
        QCOMPARE(scoreSeconds(parsed.notes, 60), beats);
}

void SoundTest::notesBecomeSoftTonesWithSilenceBetween()
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
    QCOMPARE(loudest(samples, Rate - gap + 1, Rate), 0);                    // the first note ends in silence
    QVERIFY(loudest(samples, Rate, Rate + Rate / 10) > 0);                  // before the second begins
    QCOMPARE(loudest(samples, 2 * Rate - gap + 1, 2 * Rate + Rate / 2), 0); // its silence and the rest
    QVERIFY(loudest(samples, 2 * Rate + Rate / 2, 4 * Rate) > 0);
}

void SoundTest::aToneHasItsPitch()
{
    const std::vector<std::int16_t> samples = synthesiseMelody({{440, 2}}, 60, Rate);
    // One second from the middle of the tone: one rising zero crossing per period.
    QVERIFY(std::abs(risingZeroCrossings(samples, Rate / 2, Rate / 2 + Rate) - 440) <= 1);
}

void SoundTest::withoutAnAudioOutputPlayingWritesOneLineAndReturns()
{
    if (!QMediaDevices::audioOutputs().isEmpty())
        QSKIP("This machine has an audio output; the anthem would really play.");
    struct Row {
        QString melody;
        QString line;
    };
    const Row rows[] = {
        {QStringLiteral("Freude, schöner Götterfunken"),
         QStringLiteral("koltest: Die Melodie „Freude, schöner Götterfunken“ bleibt stumm: Kein Audioausgang "
                        "vorhanden.")},
        // Asked for again at once: the first request did not hold anything up.
        {QStringLiteral("Siegerfanfare"),
         QStringLiteral("koltest: Die Melodie „Siegerfanfare“ bleibt stumm: Kein Audioausgang vorhanden.")},
        {QStringLiteral("Marseillaise"),
         QStringLiteral("koltest: Die Melodie „Marseillaise“ gibt es nicht; es wird nichts gespielt.")},
    };
    ProcessRandom random;
    DesktopSound sound(random);
    for (const Row& row : rows) {
        const MelodyChoice choice{{row.melody}, 0};
        StderrCapture stderrLines;
        QElapsedTimer timer;
        timer.start();
        sound.PlayMelody(choice, 0);
        QVERIFY(timer.elapsed() < 2000);
        QVERIFY(!sound.player().isPlaying());
        QCOMPARE(stderrLines.diagnostics(), QStringList(row.line));
    }
}

KOLTEST_DESKTOP_TEST(SoundTest)

#include "SoundTest.moc"
