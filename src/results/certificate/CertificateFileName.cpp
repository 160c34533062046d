#include "results/certificate/CertificateFileName.h"

namespace {

constexpr qsizetype LongestName = 60;

QString safeName(const QString& name)
{
    QString safe;
    for (const QChar c : name.simplified()) {
        const bool refused =
            c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
        safe += refused ? QLatin1Char('_') : c;
    }
    while (safe.startsWith(QLatin1Char('.')))
        safe.remove(0, 1);
    return safe.left(LongestName).trimmed();
}

} // namespace

QString certificateFileName(const QString& pupilName, const QDate& date)
{
    const QString name = safeName(pupilName);
    QStringList parts{QStringLiteral("Zeugnis")};
    if (!name.isEmpty())
        parts << name;
    parts << date.toString(Qt::ISODate);
    return parts.join(QLatin1Char(' ')) + QStringLiteral(".pdf");
}
