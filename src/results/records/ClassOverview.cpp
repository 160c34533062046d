#include "results/records/ClassOverview.h"

#include "components/VisibleText.h"
#include "results/records/ClassSelection.h"

#include <algorithm>

namespace {

// Wide enough for any real name; a longer one would widen every line of the table.
constexpr qsizetype NameWidth = 40;

// A text as one cell of the table: what a terminal would not show (line breaks, bidi controls, zero-width
// characters) appears as its code, so that two texts that look alike differ visibly, and a long one is cut.
QString shownText(const QString& text)
{
    return cutToWidth(visibleText(text.trimmed()), NameWidth);
}

QString shownName(const QString& name)
{
    const QString shown = shownText(name);
    return shown.isEmpty() ? QStringLiteral("(ohne Namen)") : shown;
}

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString pointsText(const ResultRecord& run)
{
    return QStringLiteral("%1 von %2").arg(run.right).arg(run.asked);
}

// What stands in a cell that has no value.
QString orDash(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("–") : text;
}

QString categoryHeading(TaskCategory category)
{
    return QString::fromUtf8(ResultCategories[static_cast<std::size_t>(category)].heading);
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

QString classOverview(const ClassResults& results)
{
    if (results.runs().isEmpty())
        return QStringLiteral("Keine Ergebnisse gefunden\n");
    const QList<PupilSummary> pupils = results.pupils();
    const QList<ResultRecord> endedEarly = results.endedEarly();
    QString text =
        QStringLiteral("Klassenübersicht – Testläufe: %1, davon vorzeitig beendet: %2, Schülerinnen "
                       "und Schüler: %3\n\n")
            .arg(results.runs().size())
            .arg(endedEarly.size())
            .arg(pupils.size());

    QList<QStringList> pupilRows = {{QStringLiteral("Name"), QStringLiteral("Datum"), QStringLiteral("Stufe"),
                                     QStringLiteral("Note"), QStringLiteral("Notenwert"),
                                     QStringLiteral("Richtig"), QStringLiteral("Testläufe"),
                                     QStringLiteral("Vorzeitig beendet")}};
    for (const PupilSummary& pupil : pupils) {
        QStringList row{shownName(pupil.name)};
        if (const std::optional<ResultRecord>& latest = pupil.latest)
            row << dateText(latest->date) << levelText(latest->expert) << orDash(latest->grade)
                << orDash(gradeNumberText(latest->grade)) << pointsText(*latest);
        else
            row << QStringList(5, orDash({}));
        row << QString::number(pupil.runs) << QString::number(pupil.endedEarly);
        pupilRows << row;
    }
    text += tableText(pupilRows);

    if (!endedEarly.isEmpty()) {
        text +=
            QStringLiteral("\nVorzeitig beendete Testläufe (bis dahin bewertet; nie als letzter Durchgang "
                           "gezählt):\n");
        QList<QStringList> earlyRows = {{QStringLiteral("Name"), QStringLiteral("Datum"),
                                         QStringLiteral("Ende"), QStringLiteral("Stufe"),
                                         QStringLiteral("Richtig")}};
        for (const ResultRecord& run : endedEarly)
            earlyRows << QStringList{shownName(run.name), dateText(run.date),
                                     run.end.toString(QStringLiteral("HH:mm:ss")), levelText(run.expert),
                                     pointsText(run)};
        text += tableText(earlyRows);
    }

    text += QStringLiteral("\nRichtige Antworten je Bereich (letzter Durchgang jeder Schülerin und jedes "
                           "Schülers):\n");
    const auto sums = latestRunScores(pupils);
    QList<QStringList> categoryRows;
    for (std::size_t i = 0; i < sums.size(); ++i)
        categoryRows << QStringList{QString::fromUtf8(ResultCategories[i].heading), percentText(sums[i]),
                                    QStringLiteral("(%1 von %2)").arg(sums[i].right).arg(sums[i].asked)};
    text += tableText(categoryRows);

    const QList<TaskSummary> tasks = results.taskAnalysis();
    if (tasks.isEmpty())
        return text;
    text += QStringLiteral("\nAufgaben aller Testläufe, je Bereich die schwächsten zuerst:\n");
    QList<QStringList> taskRows = {{QStringLiteral("Bereich"), QStringLiteral("Aufgabe"),
                                    QStringLiteral("Richtig ist"), QStringLiteral("Gestellt"),
                                    QStringLiteral("Richtig")}};
    for (const TaskSummary& task : tasks)
        taskRows << QStringList{categoryHeading(task.category), shownText(task.task),
                                shownText(task.expected), QString::number(task.asked),
                                percentText(CategoryScore{task.right, task.asked})};
    text += tableText(taskRows);
    if (results.tasksNotAnalysed() > 0)
        text += QStringLiteral("(%1 weitere Antworten zu über %2 verschiedenen Aufgaben sind nicht "
                               "ausgewertet.)\n")
                    .arg(results.tasksNotAnalysed())
                    .arg(ClassResults::MostAnalysedTasks);
    return text;
}
