#pragma once

#include "results/records/ResultRecord.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <array>
#include <optional>

// One pupil of the class.
struct PupilSummary {
    QString name;                       // as in the pupil's latest run
    std::optional<ResultRecord> latest; // the latest finished run; none when every run ended early
    int runs = 0;                       // finished runs
    int endedEarly = 0;                 // runs ended early
};

// How the class did on one task, over every run that judged it, finished or ended early.
struct TaskSummary {
    TaskCategory category = TaskCategory::Elements;
    QString task;
    QString expected; // as the first run that asked it expected it
    int asked = 0;
    int right = 0;
    double shareRight() const { return asked > 0 ? static_cast<double>(right) / asked : 0; }
};

// Whether the class did worse on task a than on b: a lower share right (compared in whole numbers), or the
// same share but asked more often.
bool isWeakerTask(const TaskSummary& a, const TaskSummary& b);

// The results of a class, taken in run by run: the overview of its pupils, the runs ended early, the
// analysis of its tasks and each pupil's runs with the tasks they got wrong. What a results window and the
// results command show. A school's share holds tens of thousands of runs, so memory grows with the runs,
// not with their tasks: a run keeps only its wrong tasks, in a compact form, and texts are stored once.
class ClassResults {
public:
    // Different tasks the analysis holds at most: a real catalogue has a few hundred, so only planted
    // records reach this; tasks beyond it are neither analysed nor kept.
    static constexpr qsizetype MostAnalysedTasks = 20000;

    // Takes a run in: its tasks count into the analysis; the run is kept with its wrong tasks only.
    void add(ResultRecord run);

    // Every run in the order taken in, without its tasks.
    const QList<ResultRecord>& runs() const { return m_runs; }
    // Every run, oldest first; a run without a start counts from its end.
    QList<ResultRecord> runsByStart() const;
    // The pupils, one each (names compared without regard to case and surrounding blanks), ordered by name.
    // A pupil's latest finished run is the one with the latest date and end time (of two equal ones the
    // one taken in later); a run ended early is never taken for it.
    QList<PupilSummary> pupils() const;
    // The runs ended early, oldest first.
    QList<ResultRecord> endedEarly() const;
    // The pupil's runs (the name compared as above), oldest first, each with the tasks they got wrong.
    QList<ResultRecord> runsOf(const QString& name) const;
    // Every task asked, grouped by category in the order of the test, in each the weakest first (the lowest
    // share right; of equal shares the more often asked first, then by task).
    QList<TaskSummary> taskAnalysis() const;
    // How many task judgements were left out of the analysis because it was full.
    qsizetype tasksNotAnalysed() const { return m_tasksNotAnalysed; }

private:
    // A wrong task of a run: its summary holds the task and, mostly, the expected answer.
    struct WrongAnswer {
        qint32 task;       // in m_tasks
        quint8 parts;      // how many verdicts
        quint8 rightParts; // bit i: part i is right
        QString entered;
        QString expected; // null when its summary's
    };

    // The text as stored before when it was met already: a class gives the same wrong answers again and
    // again. Texts are stored once up to a bound, so that planted records cannot fill the memory this way.
    QString shared(const QString& text);
    JudgedTask judgedTask(const WrongAnswer& wrong) const;

    QList<ResultRecord> m_runs;
    QList<QList<WrongAnswer>> m_wrong; // per run, each list just as long as it needs

    QList<TaskSummary> m_tasks;
    std::array<QHash<QString, qsizetype>, ResultCategoryCount> m_taskIndex;
    QSet<QString> m_texts;
    qsizetype m_tasksNotAnalysed = 0;
};

// What identifies a pupil across runs: the name without surrounding blanks and case.
QString pupilKey(const QString& name);

// The grade as a number on the usual German scale: the digit, 0.3 less for "+", 0.3 more for "-" ("1+"
// 0.7, "1" 1.0, "1-" 1.3, "2+" 1.7 … "5-" 5.3, "6" 6.0); none for no grade.
std::optional<double> gradeNumber(const QString& grade);

// The grade number with a decimal comma, "1,3"; empty for no grade.
QString gradeNumberText(const QString& grade);

// A number with the given decimals and a decimal comma, as German readers and spreadsheets expect: "12,6".
QString decimalText(double value, int decimals);

// The level as the start page names it: "Normale(r) Schüler(in)" or "Experte / Expertin".
QString levelText(bool expert);
