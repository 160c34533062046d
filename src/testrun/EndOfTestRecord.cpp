#include "testrun/EndOfTestRecord.h"

#include "components/NumberText.h"
#include "testrun/ResultCategories.h"

#include <cmath>
#include <exception>
#include <functional>
#include <limits>

namespace {

// "right/asked" of one category, both as plain digits.
QString categoryScore(double right, const DynValue& asked)
{
    return QStringLiteral("%1/%2").arg(roundHalfEven(right)).arg(asked.toInt());
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

TestRunRecord buildTestRunRecord(const mdl_KolTest& state, std::int32_t startTime, double now)
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
    for (const ResultCategory& category : ResultCategories)
        set(QLatin1String(category.key), categoryScore(state.*category.right, state.*category.asked));
    return record;
}

void closeTestRun(mdl_KolTest& state, std::int32_t startTime, SharedServices& services, SharedTools& tools,
                  Platform& platform)
{
    guarded(platform, QStringLiteral("the end time"), [&] { state.g_TestTimes[2] = tools.clock.TimeText(); });
    double now = std::numeric_limits<double>::quiet_NaN();
    guarded(platform, QStringLiteral("the clock"), [&] { now = tools.clock.TimeValue(); });
    const TestRunRecord record = buildTestRunRecord(state, startTime, now);
    guarded(platform, QStringLiteral("the grade report to the host"),
            [&] { services.host.Report(record.hostLine); });
    if (!record.durationProblem.isEmpty())
        platform.Diagnose(QStringLiteral("end of the test run: ") + record.durationProblem);
    guarded(platform, QStringLiteral("the result report to the print service"),
            [&] { services.print.ReportResult(record.right, record.asked, QString(), record.fields); });
}
