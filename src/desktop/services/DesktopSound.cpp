#include "desktop/services/DesktopSound.h"

#include "desktop/Diagnostics.h"

#include <QStringList>

void DesktopSound::PlayMelody(const MelodyChoice& choice, int)
{
    if (const Melody* melody = findMelody(choice.currentName()))
        m_player.play(*melody);
    else
        writeDiagnostic(QStringLiteral("Die Melodie „%1“ gibt es nicht; es wird nichts gespielt.")
                            .arg(choice.currentName()));
}

QString DesktopSound::PraiseText()
{
    static const QStringList praises = {
        QStringLiteral("Super, alles richtig!"),
        QStringLiteral("Klasse gemacht!"),
        QStringLiteral("Spitze!"),
        QStringLiteral("Wow, fehlerfrei!"),
        QStringLiteral("Toll, weiter so!"),
        QStringLiteral("Perfekt gelöst!"),
    };
    return praises.at(m_random.uniform(0, static_cast<int>(praises.size()) - 1));
}
