#include "desktop/tools/HelpText.h"

#include <QFile>

HelpPage readHelpPage(const QString& path, const QString& version)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    QString html = QString::fromUtf8(file.readAll());
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    html.replace(VersionMarker, version.toHtmlEscaped());
    return {html, {}};
}
