#pragma once

#include "components/RandomSource.h"
#include "components/Services.h"
#include "desktop/sound/MelodyPlayer.h"

// Keeps the melody choice of the start page and plays the chosen anthem, made by the program itself; the
// praise is a short German cheer chosen at random.
class DesktopSound final : public SoundService {
public:
    explicit DesktopSound(RandomSource& random) : m_random(random) {}
    void AttachMelody(MelodyChoice& choice) override { m_melody = &choice; }
    // Plays the anthem the choice stands on; one asked for while another plays replaces it.
    void PlayMelody(const MelodyChoice& choice, int options) override;
    QString PraiseText() override;

    const MelodyPlayer& player() const { return m_player; }

private:
    RandomSource& m_random;
    MelodyChoice* m_melody = nullptr;
    MelodyPlayer m_player;
};
