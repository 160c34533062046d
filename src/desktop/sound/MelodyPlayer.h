#pragma once

#include "desktop/sound/MelodyScores.h"

#include <QObject>

#include <memory>

class QAudioSink;
class QBuffer;

// Plays one melody at a time on the default audio output, without blocking the window: the samples are
// made at once and the output pulls them while the event loop runs. A new melody stops the one playing.
// Without an audio output, or when the output fails, the melody stays silent and standard error gets
// one line; the user sees nothing.
class MelodyPlayer final : public QObject {
public:
    MelodyPlayer();
    ~MelodyPlayer() override;

    void play(const Melody& melody);
    void stop();
    bool isPlaying() const;

private:
    void onStateChanged();

    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
    QString m_playing;     // the name of the melody on the output
    bool m_failed = false; // the output failed and that was reported
};
