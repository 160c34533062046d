#include "results/records/ResultsCsv.h"

#include <QStringList>

namespace {

const QString lineEnd = QStringLiteral("\r\n");

// Minutes with one decimal and a decimal comma: 754 seconds give "12,6".
QString minutesText(double seconds)
{
    return QString::number(seconds / 60.0, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

// A grade whose sign follows its digit ("2-") is read as a negative number by spreadsheets that accept a
// trailing minus; the minus sign U+2212 looks the same and always stays text.
QString gradeTextForSpreadsheets(QString grade)
{
    return grade.replace(QLatin1Char('-'), QChar(0x2212));
}

QString joined(const QStringList& fields)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString& field : fields)
        out << csvField(field);
    return out.join(QLatin1Char(';'));
}

} // namespace

QString csvField(const QString& value)
{
    QString field = value;
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!field.isEmpty() && formulaStarts.contains(field.front()))
        field.prepend(QLatin1Char('\''));
    const bool quoted = field.contains(QLatin1Char(';')) || field.contains(QLatin1Char('"')) ||
                        field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
    if (!quoted)
        return field;
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString csvHeader()
{
    QStringList header = {
        QStringLiteral("Datum"),           QStringLiteral("Beginn"),   QStringLiteral("Ende"),
        QStringLiteral("Dauer (Minuten)"), QStringLiteral("Name"),     QStringLiteral("Schwierigkeit"),
        QStringLiteral("Richtig"),         QStringLiteral("Gestellt"), QStringLiteral("Note")};
    for (const ResultCategory& category : ResultCategories) {
        header << QStringLiteral("%1 richtig").arg(QString::fromUtf8(category.heading));
        header << QStringLiteral("%1 gestellt").arg(QString::fromUtf8(category.heading));
    }
    return joined(header);
}

QString csvRow(const ResultRecord& record)
{
    const QString time = QStringLiteral("HH:mm:ss");
    QStringList row = {
        record.date.toString(QStringLiteral("dd.MM.yyyy")),
        record.start.isValid() ? record.start.toString(time) : QString(),
        record.end.toString(time),
        record.durationSeconds ? minutesText(*record.durationSeconds) : QString(),
        record.name,
        record.expert ? QStringLiteral("Experte / Expertin") : QStringLiteral("Normale(r) Schüler(in)"),
        QString::number(record.right),
        QString::number(record.asked),
        gradeTextForSpreadsheets(record.grade),
    };
    for (const CategoryScore& score : record.categories)
        row << QString::number(score.right) << QString::number(score.asked);
    return joined(row);
}

QByteArray csvDocument(const QList<ResultRecord>& records)
{
    QString text = csvHeader() + lineEnd;
    for (const ResultRecord& record : records)
        text += csvRow(record) + lineEnd;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
