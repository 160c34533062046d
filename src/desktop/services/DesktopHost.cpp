#include "desktop/services/DesktopHost.h"

#include "desktop/CommandLine.h"
#include "desktop/Diagnostics.h"

#include <QDateTime>

QString DesktopHost::Parameter(const QString& name, const QString& defaultValue)
{
    return parameterValue(m_words, name, defaultValue);
}

void DesktopHost::Report(const QString& line, const PrintFields* fields)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    writeErrorLine(reportLine(stamp, line, fields));
}

QString reportLine(const QString& timeStamp, const QString& line, const PrintFields* fields)
{
    QString text = timeStamp + QStringLiteral(" koltest: ") + line;
    if (fields)
        for (const PrintFields::Field& field : fields->fields())
            text += QLatin1Char(' ') + field.key + QLatin1Char('=') + field.value.toString();
    return text;
}
