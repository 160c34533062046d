#include "results/records/ResultsCsv.h"

#include <QStringList>

namespace {

const QString lineEnd = QStringLiteral("\r\n");

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

// The file built line by line in UTF-8: a school's share gives tens of thousands of rows.
template <typename Row, typename RowText>
QByteArray document(const QString& header, const QList<Row>& rows, RowText rowText)
{
    QByteArray file = QByteArray("\xEF\xBB\xBF") + (header + lineEnd).toUtf8();
    for (const Row& row : rows)
        file += (rowText(row) + lineEnd).toUtf8();
    return file;
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
    header << QStringLiteral("Notenwert") << QStringLiteral("Vorzeitig beendet");
    return joined(header);
}

QString csvRow(const ResultRecord& record)
{
    const QString time = QStringLiteral("HH:mm:ss");
    QStringList row = {
        record.date.toString(QStringLiteral("dd.MM.yyyy")),
        record.start.isValid() ? record.start.toString(time) : QString(),
        record.end.toString(time),
        record.durationSeconds ? decimalText(*record.durationSeconds / 60.0, 1) : QString(),
        record.name,
        levelText(record.expert),
        QString::number(record.right),
        QString::number(record.asked),
        gradeTextForSpreadsheets(record.grade),
    };
    for (const CategoryScore& score : record.categories)
        row << QString::number(score.right) << QString::number(score.asked);
    row << gradeNumberText(record.grade)
        << (record.endedEarly ? QStringLiteral("ja") : QStringLiteral("nein"));
    return joined(row);
}

QByteArray csvDocument(const QList<ResultRecord>& records)
{
    return document(csvHeader(), records, csvRow);
}

QString csvTaskHeader()
{
    return joined({QStringLiteral("Bereich"), QStringLiteral("Aufgabe"), QStringLiteral("Richtige Antwort"),
                   QStringLiteral("Gestellt"), QStringLiteral("Richtig"),
                   QStringLiteral("Anteil richtig (%)")});
}

QString csvTaskRow(const TaskSummary& task)
{
    return joined({QString::fromUtf8(ResultCategories[static_cast<std::size_t>(task.category)].heading),
                   task.task, task.expected, QString::number(task.asked), QString::number(task.right),
                   decimalText(100.0 * task.shareRight(), 1)});
}

QByteArray csvTaskDocument(const QList<TaskSummary>& tasks)
{
    return document(csvTaskHeader(), tasks, csvTaskRow);
}
