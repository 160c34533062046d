#include "desktop/Diagnostics.h"

#include <cstdio>

void writeDiagnostic(const QString& line)
{
    writeErrorLine(QStringLiteral("koltest: ") + line);
}

void writeErrorLine(const QString& text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}
