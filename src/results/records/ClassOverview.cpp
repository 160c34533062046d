#include "results/records/ClassOverview.h"

#include "components/VisibleText.h"

#include <QDateTime>
#include <QHash>

#include <algorithm>

namespace {

QString pupilKey(const QString& name)
{
    return name.simplified().toCaseFolded();
}

// Wide enough for any real name; a longer one would widen every line of the table.
constexpr qsizetype NameWidth = 40;

// A name as one cell of the table: what a terminal would not show (line breaks, bidi controls, zero-width
// characters) appears as its code, so that two names that look alike differ visibly, and a long name is cut.
QString shownName(const QString& name)
{
    const QString shown = cutToWidth(visibleText(name.trimmed()), NameWidth);
    return shown.isEmpty() ? QStringLiteral("(ohne Namen)") : shown;
}

QDateTime endOf(const ResultRecord& record)
{
    return QDateTime(record.date, record.end);
}

QString percentText(const CategoryScore& score)
{
    if (score.asked == 0)
        return QStringLiteral("–");
    return QStringLiteral("%1 %").arg(qRound(100.0 * score.right / score.asked));
}

// Columns padded to the widest entry; the last column is not padded.
QString tableText(const QList<QStringList>& rows)
{
    QList<qsizetype> widths;
    for (const QStringList& row : rows)
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (widths.size() <= i)
                widths << 0;
            widths[i] = std::max(widths[i], row[i].size());
        }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i)
            line += i + 1 < row.size() ? row[i].leftJustified(widths[i] + 2) : row[i];
        text += line + QLatin1Char('\n');
    }
    return text;
}

} // namespace

QList<PupilLatest> latestRunPerPupil(const QList<ResultRecord>& records)
{
    QList<PupilLatest> pupils;
    QHash<QString, qsizetype> indexByKey;
    for (const ResultRecord& record : records) {
        const QString key = pupilKey(record.name);
        const auto found = indexByKey.constFind(key);
        if (found == indexByKey.constEnd()) {
            indexByKey.insert(key, pupils.size());
            pupils << PupilLatest{record, 1};
            continue;
        }
        PupilLatest& pupil = pupils[*found];
        ++pupil.runs;
        if (endOf(record) >= endOf(pupil.latest))
            pupil.latest = record;
    }
    std::stable_sort(pupils.begin(), pupils.end(), [](const PupilLatest& a, const PupilLatest& b) {
        return QStringView(a.latest.name)
                   .trimmed()
                   .compare(QStringView(b.latest.name).trimmed(), Qt::CaseInsensitive) < 0;
    });
    return pupils;
}

std::array<CategoryScore, ResultCategoryCount> classCategoryScores(const QList<PupilLatest>& pupils)
{
    std::array<CategoryScore, ResultCategoryCount> sums{};
    for (const PupilLatest& pupil : pupils)
        for (std::size_t i = 0; i < sums.size(); ++i) {
            sums[i].right += pupil.latest.categories[i].right;
            sums[i].asked += pupil.latest.categories[i].asked;
        }
    return sums;
}

QString classOverview(const QList<ResultRecord>& records)
{
    if (records.isEmpty())
        return QStringLiteral("Keine Ergebnisse gefunden\n");
    const QList<PupilLatest> pupils = latestRunPerPupil(records);
    QString text = QStringLiteral("Klassenübersicht – Testläufe: %1, Schülerinnen und Schüler: %2\n\n")
                       .arg(records.size())
                       .arg(pupils.size());

    QList<QStringList> pupilRows = {{QStringLiteral("Name"), QStringLiteral("Datum"), QStringLiteral("Note"),
                                     QStringLiteral("Richtig"), QStringLiteral("Testläufe")}};
    for (const PupilLatest& pupil : pupils)
        pupilRows << QStringList{shownName(pupil.latest.name),
                                 pupil.latest.date.toString(QStringLiteral("dd.MM.yyyy")), pupil.latest.grade,
                                 QStringLiteral("%1 von %2").arg(pupil.latest.right).arg(pupil.latest.asked),
                                 QString::number(pupil.runs)};
    text += tableText(pupilRows);

    text += QStringLiteral("\nRichtige Antworten je Bereich (letzter Durchgang jeder Schülerin und jedes "
                           "Schülers):\n");
    const auto sums = classCategoryScores(pupils);
    QList<QStringList> categoryRows;
    for (std::size_t i = 0; i < sums.size(); ++i)
        categoryRows << QStringList{QString::fromUtf8(ResultCategories[i].heading), percentText(sums[i]),
                                    QStringLiteral("(%1 von %2)").arg(sums[i].right).arg(sums[i].asked)};
    text += tableText(categoryRows);
    return text;
}
