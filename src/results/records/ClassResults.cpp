#include "results/records/ClassResults.h"

#include <algorithm>

namespace {

// Seconds since an epoch: cheaper to compare than QDateTime, and free of time zones.
qint64 secondsOf(const QDate& date, const QTime& time)
{
    return date.toJulianDay() * 86400 + time.msecsSinceStartOfDay() / 1000;
}

qint64 endOf(const ResultRecord& run)
{
    return secondsOf(run.date, run.end);
}

qint64 startOf(const ResultRecord& run)
{
    return secondsOf(run.date, run.start.isValid() ? run.start : run.end);
}

QList<ResultRecord> byStart(QList<ResultRecord> runs)
{
    std::stable_sort(runs.begin(), runs.end(),
                     [](const ResultRecord& a, const ResultRecord& b) { return startOf(a) < startOf(b); });
    return runs;
}

} // namespace

QString pupilKey(const QString& name)
{
    return name.simplified().toCaseFolded();
}

std::optional<double> gradeNumber(const QString& grade)
{
    if (grade.isEmpty() || grade.size() > 2 || !grade[0].isDigit())
        return std::nullopt;
    const double digit = grade[0].digitValue();
    if (grade.size() == 1)
        return digit;
    return grade[1] == u'+' ? digit - 0.3 : digit + 0.3;
}

QString gradeNumberText(const QString& grade)
{
    const std::optional<double> number = gradeNumber(grade);
    return number ? decimalText(*number, 1) : QString();
}

QString decimalText(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(u'.', u',');
}

QString levelText(bool expert)
{
    return expert ? QStringLiteral("Experte / Expertin") : QStringLiteral("Normale(r) Schüler(in)");
}

bool isWeakerTask(const TaskSummary& a, const TaskSummary& b)
{
    // a.right / a.asked < b.right / b.asked, in whole numbers
    const qint64 shareA = qint64{a.right} * b.asked;
    const qint64 shareB = qint64{b.right} * a.asked;
    if (shareA != shareB)
        return shareA < shareB;
    return a.asked > b.asked;
}

QString ClassResults::shared(const QString& text)
{
    constexpr qsizetype MostSharedTexts = 100000;
    const auto found = m_texts.constFind(text);
    if (found != m_texts.constEnd())
        return *found;
    if (m_texts.size() < MostSharedTexts)
        m_texts.insert(text);
    return text;
}

void ClassResults::add(ResultRecord run)
{
    QList<WrongAnswer> wrongAnswers;
    for (const JudgedTask& task : std::as_const(run.tasks)) {
        const auto category = static_cast<std::size_t>(task.category);
        QHash<QString, qsizetype>& index = m_taskIndex[category];
        auto found = index.constFind(task.task);
        if (found == index.constEnd()) {
            if (m_tasks.size() >= MostAnalysedTasks) {
                ++m_tasksNotAnalysed;
                continue;
            }
            found = index.insert(task.task, m_tasks.size());
            m_tasks << TaskSummary{task.category, task.task, task.expected, 0, 0};
        }
        TaskSummary& summary = m_tasks[*found];
        ++summary.asked;
        if (task.right()) {
            ++summary.right;
            continue;
        }
        WrongAnswer wrong{static_cast<qint32>(*found), static_cast<quint8>(task.partsRight.size()), 0,
                          shared(task.entered),
                          task.expected == summary.expected ? QString() : shared(task.expected)};
        for (qsizetype i = 0; i < task.partsRight.size(); ++i)
            wrong.rightParts |= task.partsRight[i] ? 1u << i : 0u;
        wrongAnswers << std::move(wrong);
    }
    wrongAnswers.squeeze();
    m_wrong << std::move(wrongAnswers);
    run.tasks = {}; // clear() would keep the capacity
    run.name = shared(run.name);
    m_runs << std::move(run);
}

JudgedTask ClassResults::judgedTask(const WrongAnswer& wrong) const
{
    const TaskSummary& summary = m_tasks[wrong.task];
    JudgedTask task{summary.category,
                    summary.task,
                    wrong.expected.isNull() ? summary.expected : wrong.expected,
                    wrong.entered,
                    {}};
    for (int i = 0; i < wrong.parts; ++i)
        task.partsRight << ((wrong.rightParts >> i & 1u) != 0);
    return task;
}

QList<ResultRecord> ClassResults::runsByStart() const
{
    return byStart(m_runs);
}

QList<PupilSummary> ClassResults::pupils() const
{
    QList<PupilSummary> pupils;
    QHash<QString, qsizetype> indexByKey;
    for (const ResultRecord& run : m_runs) {
        const QString key = pupilKey(run.name);
        auto found = indexByKey.constFind(key);
        if (found == indexByKey.constEnd()) {
            found = indexByKey.insert(key, pupils.size());
            pupils << PupilSummary{run.name, std::nullopt, 0, 0};
        }
        PupilSummary& pupil = pupils[*found];
        if (run.endedEarly) {
            ++pupil.endedEarly;
            continue;
        }
        ++pupil.runs;
        if (!pupil.latest || endOf(run) >= endOf(*pupil.latest)) {
            pupil.latest = run;
            pupil.name = run.name;
        }
    }
    std::stable_sort(pupils.begin(), pupils.end(), [](const PupilSummary& a, const PupilSummary& b) {
        return QStringView(a.name).trimmed().compare(QStringView(b.name).trimmed(), Qt::CaseInsensitive) < 0;
    });
    return pupils;
}

QList<ResultRecord> ClassResults::endedEarly() const
{
    QList<ResultRecord> runs;
    std::copy_if(m_runs.begin(), m_runs.end(), std::back_inserter(runs),
                 [](const ResultRecord& run) { return run.endedEarly; });
    return byStart(runs);
}

QList<ResultRecord> ClassResults::runsOf(const QString& name) const
{
    const QString key = pupilKey(name);
    QList<ResultRecord> runs;
    for (qsizetype i = 0; i < m_runs.size(); ++i) {
        if (pupilKey(m_runs[i].name) != key)
            continue;
        ResultRecord run = m_runs[i];
        for (const WrongAnswer& wrong : m_wrong[i])
            run.tasks << judgedTask(wrong);
        runs << run;
    }
    return byStart(runs);
}

QList<TaskSummary> ClassResults::taskAnalysis() const
{
    QList<TaskSummary> tasks = m_tasks;
    std::sort(tasks.begin(), tasks.end(), [](const TaskSummary& a, const TaskSummary& b) {
        if (a.category != b.category)
            return a.category < b.category;
        if (isWeakerTask(a, b) || isWeakerTask(b, a))
            return isWeakerTask(a, b);
        return a.task < b.task;
    });
    return tasks;
}
