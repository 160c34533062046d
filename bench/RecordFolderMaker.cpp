// Fills a folder with the records of a school's share, for timing `koltest --results` on it.
//   koltest_record_maker FOLDER COUNT
// Every record is one of the present format, as a run leaves it: 47 tasks of a catalogue of 400, about
// seven in ten right, one run in twenty ended early half-way; classes of 30 pupils who take the test
// again and again over a school year. The records are written plainly, without the safe writer's sync,
// so that making 50 000 of them takes seconds.
#include "results/records/ResultRecord.h"
#include "testrun/GradeScale.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>

namespace {

// The rows each category poses in one run, in the order of the test.
constexpr std::array<int, ResultCategoryCount> RowsPerCategory = {6, 4, 6, 4, 5, 7, 5, 4, 6};
constexpr int TasksPerCategory = 400 / ResultCategoryCount;

ResultRecord makeRun(int number, QRandomGenerator& random)
{
    ResultRecord run;
    run.name = QStringLiteral("Schüler %1 Klasse %2").arg(number % 30).arg(number / 3000);
    run.date = QDate(2026, 9, 1).addDays(number / 300 % 300);
    run.end = QTime(8, 0).addSecs(number % 300 * 60);
    run.durationSeconds = 600 + random.bounded(900);
    run.start = run.end.addSecs(-static_cast<int>(*run.durationSeconds));
    run.expert = number % 3 == 0;
    run.endedEarly = number % 20 == 0;
    for (std::size_t c = 0; c < RowsPerCategory.size(); ++c) {
        const auto category = static_cast<TaskCategory>(c);
        const int points = category == TaskCategory::Equations ? 2 : 1;
        const int rows = run.endedEarly && c >= 4 ? 0 : RowsPerCategory[c];
        for (int row = 0; row < rows; ++row) {
            const int task = random.bounded(TasksPerCategory);
            const bool right = random.bounded(10) < 7;
            const QString expected = QStringLiteral("Antwort %1").arg(task);
            run.tasks << JudgedTask{category, QStringLiteral("Aufgabe %1 zu %2").arg(task).arg(c), expected,
                                    right ? expected : QStringLiteral("Eingabe %1").arg(random.bounded(50)),
                                    category == TaskCategory::Equations ? PartVerdicts{true, right, true}
                                                                        : PartVerdicts{right}};
            run.categories[c].asked += points;
            run.categories[c].right += right ? points : 0;
        }
        run.asked += run.categories[c].asked;
        run.right += run.categories[c].right;
    }
    run.grade = gradeText(gradeBand(run.right, run.asked));
    return run;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    bool ok = false;
    const int count = arguments.value(2).toInt(&ok);
    if (arguments.size() != 3 || !ok || count < 0 || !QDir().mkpath(arguments[1])) {
        std::fprintf(stderr, "usage: koltest_record_maker FOLDER COUNT\n");
        return 2;
    }
    QRandomGenerator random(19);
    const QDir folder(arguments[1]);
    for (int i = 0; i < count; ++i) {
        QFile file(
            folder.filePath(QStringLiteral("koltest-ergebnis-%1.txt").arg(i, 6, 10, QLatin1Char('0'))));
        const QByteArray text = recordText(makeRun(i, random));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
            return 1;
        }
    }
    return 0;
}
