#include "testrun/EndOfTestRecord.h"
#include "support/FakeWorld.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

// The record of a finished test run: its fields in their order, its totals and duration, and how it
// reaches the host and the print service.

namespace {

QStringList keysOf(const PrintFields& fields)
{
    QStringList keys;
    for (const PrintFields::Field& field : fields.fields())
        keys << field.key;
    return keys;
}

QVariant valueOf(const PrintFields& fields, const QString& key)
{
    for (const PrintFields::Field& field : fields.fields())
        if (field.key == key)
            return field.value;
    return {};
}

// A whole test run: 52 items, 41 of them right, at expert level.
mdl_KolTest finishedRun()
{
    mdl_KolTest state;
    state.g_TotalAsked = DynValue::int16(52);
    state.g_TotalRight = DynValue::int16(41);
    state.g_Grade = QStringLiteral("2");
    state.g_Expert = DynValue::int16(1);
    const auto category = [](DynValue& asked, double& right, int askedItems, double rightItems) {
        asked = DynValue::int16(static_cast<std::int16_t>(askedItems));
        right = rightItems;
    };
    category(state.g_ElementsAsked, state.g_ElementsRight, 6, 5);
    category(state.g_SyllablesAsked, state.g_SyllablesRight, 4, 4);
    category(state.g_SubstancesAsked, state.g_SubstancesRight, 6, 3);
    category(state.g_MolarMassesAsked, state.g_MolarMassesRight, 4, 4);
    category(state.g_AmountsAsked, state.g_AmountsRight, 5, 4);
    category(state.g_DefinitionsAsked, state.g_DefinitionsRight, 7, 6);
    category(state.g_EquationsAsked, state.g_EquationsRight, 10, 8);
    category(state.g_ChargesAsked, state.g_ChargesRight, 4, 3);
    category(state.g_YesNoAsked, state.g_YesNoRight, 6, 4);
    return state;
}

} // namespace

TEST(TestRunRecordTest, HoldsEveryFieldInItsOrder)
{
    const TestRunRecord record = buildTestRunRecord(finishedRun(), 1000, 1754.25);

    EXPECT_EQ(record.hostLine, "<- Note: 2");
    EXPECT_EQ(record.right, 41);
    EXPECT_EQ(record.asked, 52);
    QStringList fields;
    for (const PrintFields::Field& field : record.fields.fields())
        fields << field.key + u'=' + field.value.toString();
    EXPECT_EQ(fields, QStringList({"ANZAHL=52", "RICHTIG=41", "FALSCH=11", "EXPERTE=true", "DAUER=754.25",
                                   "ELEMENTE=5/6", "ZAHLSILBEN=4/4", "SUBSTANZNAMEN=3/6", "MOLMASSEN=4/4",
                                   "STOFFMENGEN=4/5", "DEFINITIONEN=6/7", "GLEICHUNGEN=8/10",
                                   "LADUNGSZAHLEN=3/4", "JANEIN=4/6"}));
    EXPECT_TRUE(record.durationProblem.isEmpty());
}

TEST(TestRunRecordTest, ASheetNeverJudgedCountsAsNoneOfNone)
{
    const PrintFields fields = buildTestRunRecord(mdl_KolTest{}, 0, 1).fields;
    EXPECT_EQ(valueOf(fields, "GLEICHUNGEN"), QVariant(QStringLiteral("0/0")));
    EXPECT_EQ(valueOf(fields, "EXPERTE"), QVariant(false));
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
        EXPECT_EQ(keysOf(record.fields).contains("DAUER"), c.kept);
        EXPECT_EQ(record.durationProblem.isEmpty(), c.kept);
        EXPECT_EQ(keysOf(record.fields).size(), c.kept ? 14 : 13);
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
    const QStringList both = {"Host.Report: <- Note: 2", "Print.ReportResult: 41/52"};
    for (const Case& c : {Case{"NothingFails", false, false, both, {}},
                          Case{"HostFails",
                               true,
                               false,
                               {"Print.ReportResult: 41/52"},
                               {"end of the test run: the grade report to the host failed: Host weg"}},
                          Case{"PrintFails",
                               false,
                               true,
                               {"Host.Report: <- Note: 2"},
                               {"end of the test run: the result report to the print service failed"}}}) {
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
