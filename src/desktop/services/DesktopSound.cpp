#include "desktop/services/DesktopSound.h"

#include "desktop/services/MessageBoxes.h"

#include <QStringList>

void DesktopSound::PlayMelody(const MelodyChoice&, int)
{
    noticeUnavailable(m_notices);
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
