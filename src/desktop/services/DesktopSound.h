#pragma once

#include "components/RandomSource.h"
#include "components/Services.h"

// Keeps the melody choice of the start page. Playing a melody is not built yet and says so; the praise
// is a short German cheer chosen at random.
class DesktopSound final : public SoundService {
public:
    DesktopSound(NoticeService& notices, RandomSource& random) : m_notices(notices), m_random(random) {}
    void AttachMelody(MelodyChoice& choice) override { m_melody = &choice; }
    void PlayMelody(const MelodyChoice& choice, int options) override;
    QString PraiseText() override;

private:
    NoticeService& m_notices;
    RandomSource& m_random;
    MelodyChoice* m_melody = nullptr;
};
