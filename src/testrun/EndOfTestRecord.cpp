#include "testrun/EndOfTestRecord.h"

#include "components/NumberText.h"
#include "testrun/ResultCategories.h"

#include <cmath>
#include <exception>
#include <functional>
#include <limits>

namespace {

// "right/asked" of one category, both as plain digits.
QString categoryScore(long long right, long long asked)
{
    return QStringLiteral("%1/%2").arg(right).arg(asked);
}

// "right/asked" of the category from the tasks judged in this run; an equation is worth two.
QString loggedScore(const QList<JudgedTask>& tasks, TaskCategory category)
{
    const int points = category == TaskCategory::Equations ? 2 : 1;
    long long right = 0;
    long long asked = 0;
    for (const JudgedTask& task : tasks)
        if (task.category == category) {
            asked += points;
            right += task.right() ? points : 0;
        }
    return categoryScore(right, asked);
}

// Runs one step that calls a service; a failure is reported and the next step runs.
void guarded(Platform& platform, const QString& step, const std::function<void()>& call)
{
    try {
        call();
    } catch (const std::exception& failure) {
        platform.Diagnose(QStringLiteral("end of the test run: %1 failed: %2").arg(step, failure.what()));
    } catch (...) {
        platform.Diagnose(QStringLiteral("end of the test run: %1 failed").arg(step));
    }
}

} // namespace

TestRunRecord buildTestRunRecord(const mdl_KolTest& state, std::int32_t startTime, double now, RunEnd end)
{
    TestRunRecord record;
    record.hostLine = QStringLiteral("<- Note: ") + state.g_Grade;
    const long long asked = state.g_TotalAsked.toInt();
    const long long right = state.g_TotalRight.toInt();
    record.asked = static_cast<double>(asked);
    record.right = static_cast<double>(right);

    PrintFields& fields = record.fields;
    const auto set = [&fields](const QString& key, const QVariant& value) { fields.SetField(key, value); };
    set(QStringLiteral("ANZAHL"), asked);
    set(QStringLiteral("RICHTIG"), right);
    set(QStringLiteral("FALSCH"), asked - right);
    set(QStringLiteral("EXPERTE"), state.isExpert());
    const double duration = now - static_cast<double>(startTime);
    if (std::isfinite(duration) && duration >= 0)
        set(QStringLiteral("DAUER"), duration);
    else
        record.durationProblem = QStringLiteral("the clock read %1 at the end and %2 at the start, so the "
                                                "record has no DAUER")
                                     .arg(now)
                                     .arg(startTime);
    for (std::size_t i = 0; i < ResultCategories.size(); ++i) {
        const ResultCategory& category = ResultCategories[i];
        set(QLatin1String(category.key),
            end == RunEnd::Finished
                ? categoryScore(roundHalfEven(state.*category.right), (state.*category.asked).toInt())
                : loggedScore(state.g_RunLog.tasks, static_cast<TaskCategory>(i)));
    }
    set(QLatin1String(TasksField), QVariant::fromValue(state.g_RunLog.tasks));
    if (end == RunEnd::EndedEarly)
        set(QLatin1String(EndedEarlyField), true);
    return record;
}

namespace {

// The clock value now, or NaN when the clock fails.
double clockNow(SharedTools& tools, Platform& platform)
{
    double now = std::numeric_limits<double>::quiet_NaN();
    guarded(platform, QStringLiteral("the clock"), [&] { now = tools.clock.TimeValue(); });
    return now;
}

void reportToPrintService(const TestRunRecord& record, RunEnd end, SharedServices& services,
                          Platform& platform)
{
    if (!record.durationProblem.isEmpty())
        platform.Diagnose(QStringLiteral("end of the test run: ") + record.durationProblem);
    guarded(platform, QStringLiteral("the result report to the print service"), [&] {
        if (end == RunEnd::Finished)
            services.print.ReportResult(record.right, record.asked, QString(), record.fields);
        else
            services.print.ReportEndedEarly(record.right, record.asked, record.fields);
    });
}

} // namespace

void closeTestRun(mdl_KolTest& state, std::int32_t startTime, SharedServices& services, SharedTools& tools,
                  Platform& platform)
{
    state.g_RunLog.open = false;
    guarded(platform, QStringLiteral("the end time"), [&] { state.g_TestTimes[2] = tools.clock.TimeText(); });
    const TestRunRecord record = buildTestRunRecord(state, startTime, clockNow(tools, platform));
    guarded(platform, QStringLiteral("the grade report to the host"),
            [&] { services.host.Report(record.hostLine); });
    reportToPrintService(record, RunEnd::Finished, services, platform);
}

void endTestRunEarly(mdl_KolTest& state, std::int32_t startTime, SharedServices& services, SharedTools& tools,
                     Platform& platform)
{
    if (!state.g_RunLog.open)
        return;
    state.g_RunLog.open = false;
    reportToPrintService(buildTestRunRecord(state, startTime, clockNow(tools, platform), RunEnd::EndedEarly),
                         RunEnd::EndedEarly, services, platform);
}
