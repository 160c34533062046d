#include "testrun/EndOfTestRecord.h"
#include "support/FakeWorld.h"
#include "support/PrintFieldsReading.h"
#include "support/PupilAnswers.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

// The record of a finished test run: its fields in their order, its totals and duration, and how it
// reaches the host and the print service.

namespace {

// A whole test run: 52 items, 41 of them right, at expert level.
mdl_KolTest finishedRun()
{
    mdl_KolTest state;
    state.g_TotalAsked = DynValue::int16(52);
    state.g_TotalRight = DynValue::int16(41);
    state.g_Grade = QStringLiteral("2");
    state.g_Expert = DynValue::int16(1);
    constexpr std::array<int, ResultCategoryCount> right = {5, 4, 3, 4, 4, 6, 8, 3, 4};
    for (std::size_t i = 0; i < right.size(); ++i) {
        state.*ResultCategories[i].asked =
            DynValue::int16(static_cast<std::int16_t>(ResultCategories[i].mostAsked));
        state.*ResultCategories[i].right = right[i];
    }
    return state;
}

} // namespace

TEST(TestRunRecordTest, HoldsEveryFieldInItsOrder)
{
    const TestRunRecord record = buildTestRunRecord(finishedRun(), 1000, 1754.25);

    EXPECT_EQ(record.hostLine, "<- Note: 2");
    EXPECT_EQ(record.right, 41);
    EXPECT_EQ(record.asked, 52);
    EXPECT_EQ(fieldLines(record.fields),
              QStringList({"ANZAHL=52", "RICHTIG=41", "FALSCH=11", "EXPERTE=true", "DAUER=754.25",
                           "ELEMENTE=5/6", "ZAHLSILBEN=4/4", "SUBSTANZNAMEN=3/6", "MOLMASSEN=4/4",
                           "STOFFMENGEN=4/5", "DEFINITIONEN=6/7", "GLEICHUNGEN=8/10", "LADUNGSZAHLEN=3/4",
                           "JANEIN=4/6", "AUFGABEN="}));
    EXPECT_TRUE(record.durationProblem.isEmpty());
}

TEST(TestRunRecordTest, DauerOnlyWhenTheClockGivesADuration)
{
    struct Case {
        const char* name;
        double now;
        bool kept;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const Case& c :
         {Case{"Later", 1300.5, true}, Case{"AtOnce", 1000, true}, Case{"ClockWentBack", 999.4, false},
          Case{"NoClock", nan, false}, Case{"ClockOverflow", infinity, false}}) {
        SCOPED_TRACE(c.name);
        const TestRunRecord record = buildTestRunRecord(mdl_KolTest{}, 1000, c.now);
        EXPECT_EQ(fieldValue(record.fields, "DAUER").isValid(), c.kept);
        EXPECT_EQ(record.durationProblem.isEmpty(), c.kept);
        EXPECT_EQ(record.fields.fields().size(), c.kept ? 15 : 14);
        // A sheet never judged counts as none of none.
        EXPECT_EQ(fieldValue(record.fields, "GLEICHUNGEN"), QVariant(QStringLiteral("0/0")));
        EXPECT_EQ(fieldValue(record.fields, "EXPERTE"), QVariant(false));
    }
}

namespace {

class FailingWorld : public FakeWorld {
public:
    bool hostFails = false;
    bool printFails = false;
    void Report(const QString& line, const PrintFields* fields) override
    {
        if (hostFails)
            throw std::runtime_error("Host weg");
        FakeWorld::Report(line, fields);
    }
    void ReportResult(double right, double asked, const QString& text, const PrintFields& fields) override
    {
        if (printFails)
            throw 42; // not even an exception class
        FakeWorld::ReportResult(right, asked, text, fields);
    }
    void ReportEndedEarly(double right, double asked, const PrintFields& fields) override
    {
        ReportResult(right, asked, QStringLiteral("ended early"), fields);
    }
};

} // namespace

TEST(CloseTestRunTest, EveryStepRunsWhateverFails)
{
    struct Case {
        const char* name;
        bool hostFails;
        bool printFails;
        QStringList calls;
        QStringList diagnostics;
    };
    const QString host = "Host.Report: <- Note: 2";
    const QString print = "Print.ReportResult: 41/52";
    const QString hostFailed = "end of the test run: the grade report to the host failed: Host weg";
    const QString printFailed = "end of the test run: the result report to the print service failed";
    for (const Case& c : {Case{"NothingFails", false, false, {host, print}, {}},
                          Case{"HostFails", true, false, {print}, {hostFailed}},
                          Case{"PrintFails", false, true, {host}, {printFailed}}}) {
        SCOPED_TRACE(c.name);
        FailingWorld world;
        world.hostFails = c.hostFails;
        world.printFails = c.printFails;
        world.timeText = QStringLiteral("10:02:13");
        mdl_KolTest state = finishedRun();

        closeTestRun(state, 1000, world.services, world.tools, world);

        EXPECT_EQ(state.g_TestTimes[2], "10:02:13");
        EXPECT_EQ(world.calls, c.calls);
        EXPECT_EQ(world.diagnostics, c.diagnostics);
    }
}

// Every attempt leaves a record: every row judged is a task of it; a test ended before its end hands what was
// judged up to then to the print service, marked as ended early.
namespace {

class RunRecordTest : public WindowTest {};

} // namespace

TEST_F(RunRecordTest, EveryJudgedRowIsATaskThatAddsUpToItsCategory)
{
    loadShippedCatalogue();
    startTest();
    // Every other sheet is left empty, so each of its rows is wrong.
    for (int sheet = 0; world.callsStartingWith("Print.ReportResult").isEmpty() && sheet < 10; ++sheet) {
        if (sheet % 2 == 1)
            answerCurrentPageRight(form);
        form.but_OK_Click();
        form.but_Next_Click();
    }
    const QList<JudgedTask> tasks = fieldValue(world.reportedFields, "AUFGABEN").value<QList<JudgedTask>>();
    ASSERT_EQ(tasks.size(), 47);
    EXPECT_FALSE(fieldValue(world.reportedFields, "VORZEITIG").isValid());
    for (std::size_t i = 0; i < ResultCategories.size(); ++i) {
        const auto category = static_cast<TaskCategory>(i);
        const int points = category == TaskCategory::Equations ? 2 : 1;
        int asked = 0;
        int right = 0;
        for (const JudgedTask& task : tasks)
            if (task.category == category) {
                EXPECT_FALSE(task.task.isEmpty());
                EXPECT_EQ(task.partsRight.size() > 1, category == TaskCategory::Equations);
                asked += points;
                right += task.right() ? points : 0;
            }
        EXPECT_EQ(fieldValue(world.reportedFields, ResultCategories[i].key).toString(),
                  QStringLiteral("%1/%2").arg(right).arg(asked));
    }
    // The element rows were left empty: each is wrong, with its task.
    EXPECT_EQ(tasks[0].task, form.elements.AnzS1[0].Caption);
    EXPECT_EQ(tasks[0].entered, QString());
    EXPECT_EQ(world.callsStartingWith("Print.ReportResult").size(), 1);
}

TEST(EndTestRunEarlyTest, ReportsWhatWasJudgedOnce)
{
    FailingWorld world;
    mdl_KolTest state;
    state.g_TotalAsked = DynValue::int16(2);
    state.g_TotalRight = DynValue::int16(1);
    state.g_SyllablesAsked = DynValue::int16(4); // left by an earlier run: not this run's
    state.g_RunLog = {true,
                      {{TaskCategory::Elements, "Na", "Natrium", "Natrium", {true}},
                       {TaskCategory::Equations, "H2 + O2 → H2O", "2 1 2", "2 2 2", {true, false, true}}}};
    endTestRunEarly(state, 1000, world.services, world.tools, world);
    endTestRunEarly(state, 1000, world.services, world.tools, world);
    EXPECT_EQ(world.calls, QStringList{"Print.ReportResult: 1/2"});
    const PrintFields& fields = world.reportedFields;
    EXPECT_EQ(fieldValue(fields, "VORZEITIG"), QVariant(true));
    EXPECT_EQ(fieldValue(fields, "ELEMENTE"), QVariant(QStringLiteral("1/1")));
    EXPECT_EQ(fieldValue(fields, "GLEICHUNGEN"), QVariant(QStringLiteral("0/2")));
    EXPECT_EQ(fieldValue(fields, "ZAHLSILBEN"), QVariant(QStringLiteral("0/0")));
    EXPECT_EQ(fieldValue(fields, "AUFGABEN").value<QList<JudgedTask>>(), state.g_RunLog.tasks);
}

// Whichever way a test ends before its end, the run is ended early (and so leaves its record), never
// finished: the host hears no grade.
struct EarlyEnd {
    const char* name;
    std::function<void(frm_AppMain&)> end;
    bool exitFlag;
};

class TestEndedEarly : public WindowTest, public ::testing::WithParamInterface<EarlyEnd> {};

TEST_P(TestEndedEarly, EndsTheRunEarly)
{
    startTest();
    world.exitFlag = GetParam().exitFlag;
    answerCurrentPageRight(form);
    form.but_OK_Click();
    ASSERT_TRUE(state.g_RunLog.open);
    world.yesNoAnswers = {true};
    try {
        GetParam().end(form);
    } catch (const ProgramEnded&) {
    }
    EXPECT_FALSE(state.g_RunLog.open);
    EXPECT_TRUE(world.callsStartingWith("Host.Report: <- Note").isEmpty());
    EXPECT_TRUE(world.callsStartingWith("Print.ReportResult").isEmpty()); // it is ReportEndedEarly
}

INSTANTIATE_TEST_SUITE_P(
    Table, TestEndedEarly,
    ::testing::Values(EarlyEnd{"Quit", [](frm_AppMain& f) { f.EXECUTE("QUIT"); }, false},
                      EarlyEnd{"CloseBoxWithTheExitFlag", [](frm_AppMain& f) { f.CloseBox_Click(); }, true},
                      EarlyEnd{"NewTest", [](frm_AppMain& f) { f.EXECUTE("RESTART"); }, false}),
    [](const ::testing::TestParamInfo<EarlyEnd>& info) { return std::string(info.param.name); });
