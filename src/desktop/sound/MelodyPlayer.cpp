#include "desktop/sound/MelodyPlayer.h"

#include "desktop/Diagnostics.h"
#include "desktop/sound/ToneSynthesis.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace {

// The mono samples as the output's interleaved 16-bit frames: the same sample on every channel.
QByteArray framesOf(const std::vector<std::int16_t>& samples, int channels)
{
    QByteArray frames;
    frames.resize(
        static_cast<qsizetype>(samples.size() * static_cast<std::size_t>(channels) * sizeof(qint16)));
    auto* out = reinterpret_cast<qint16*>(frames.data());
    for (const std::int16_t sample : samples)
        for (int channel = 0; channel < channels; ++channel)
            *out++ = sample;
    return frames;
}

void reportSilence(const QString& melody, const QString& reason)
{
    writeDiagnostic(QStringLiteral("Die Melodie „%1“ bleibt stumm: %2").arg(melody, reason));
}

QString describe(QAudio::Error error)
{
    switch (error) {
    case QAudio::OpenError:
        return QStringLiteral("Das Audiogerät lässt sich nicht öffnen.");
    case QAudio::IOError:
        return QStringLiteral("Das Audiogerät nimmt keine Daten an.");
    case QAudio::FatalError:
        return QStringLiteral("Das Audiogerät ist ausgefallen.");
    default:
        return QStringLiteral("Fehler %1 des Audiogeräts.").arg(int(error));
    }
}

} // namespace

MelodyPlayer::MelodyPlayer() = default;

MelodyPlayer::~MelodyPlayer()
{
    stop();
}

void MelodyPlayer::play(const Melody& melody)
{
    stop();
    const ParsedScore score = parseScore(melody.score);
    if (!score.error.isEmpty())
        return reportSilence(melody.name, score.error);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return reportSilence(melody.name, QStringLiteral("Kein Audioausgang vorhanden."));
    QAudioFormat format = device.preferredFormat();
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return reportSilence(
            melody.name,
            QStringLiteral("Der Audioausgang „%1“ spielt keine 16-Bit-Samples.").arg(device.description()));

    m_buffer = std::make_unique<QBuffer>();
    m_buffer->setData(framesOf(synthesiseMelody(score.notes, melody.beatsPerMinute, format.sampleRate()),
                               format.channelCount()));
    m_buffer->open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_playing = melody.name;
    connect(m_sink.get(), &QAudioSink::stateChanged, this, &MelodyPlayer::onStateChanged);
    m_sink->start(m_buffer.get());
    // A sink that cannot open the device may fail at once, with or without telling its state.
    onStateChanged();
}

void MelodyPlayer::stop()
{
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
    }
    m_sink.reset();
    m_buffer.reset();
    m_playing.clear();
    m_failed = false;
}

bool MelodyPlayer::isPlaying() const
{
    return m_sink && m_sink->state() == QAudio::ActiveState;
}

// The output reports the end of the samples as idle; a failure stops it with an error.
void MelodyPlayer::onStateChanged()
{
    if (!m_sink || m_failed)
        return;
    const QAudio::Error error = m_sink->error();
    if (m_sink->state() == QAudio::IdleState && m_buffer->atEnd()) {
        m_sink->stop(); // released at the next play or with the player
        return;
    }
    if (error != QAudio::NoError && error != QAudio::UnderrunError) {
        m_failed = true;
        reportSilence(m_playing, describe(error));
        m_sink->stop();
    }
}
