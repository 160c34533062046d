#include "results/records/ResultRecord.h"
#include "results/records/RecordSamples.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// What the print service receives at the end of a run, as the end of the test builds it.
PrintFields reportFields(bool withDuration)
{
    PrintFields fields;
    const auto set = [&fields](const char* key, const QVariant& value) {
        fields.SetField(QLatin1String(key), value);
    };
    set("ANZAHL", 52);
    set("RICHTIG", 47);
    set("FALSCH", 5);
    set("EXPERTE", true);
    if (withDuration)
        set("DAUER", 754.4);
    for (const ResultCategory& category : ResultCategories)
        set(category.key, QStringLiteral("3/4"));
    set("GLEICHUNGEN", QStringLiteral("10/10"));
    // Seven element tasks, one more than a run asks, and a text longer than a record keeps.
    set("AUFGABEN", QVariant::fromValue(QList<JudgedTask>(
                        7, {TaskCategory::Elements, QString(300, u'x'), "Na", "Na", {true}})));
    return fields;
}

TEST(ResultRecord, TakesWhatTheEndOfTheRunReportsAndDerivesTheRest)
{
    const QDateTime end(QDate(2026, 12, 6), QTime(10, 15, 0));
    const ResultRecord record = recordFromReport(47, 52, reportFields(true), QStringLiteral("Jürgen"), end);
    EXPECT_EQ(record.name, QStringLiteral("Jürgen"));
    EXPECT_EQ(record.date, QDate(2026, 12, 6));
    EXPECT_EQ(record.start, QTime(10, 2, 26)); // 754.4 s before the end, to the second
    EXPECT_EQ(record.end, QTime(10, 15, 0));
    EXPECT_EQ(record.grade, QStringLiteral("1"));
    EXPECT_TRUE(record.expert);
    EXPECT_EQ(record.categories[6], (CategoryScore{10, 10}));
    EXPECT_EQ(record.categories[8], (CategoryScore{3, 4}));
    EXPECT_FALSE(record.endedEarly);
    ASSERT_EQ(record.tasks.size(), 6);
    EXPECT_EQ(record.tasks[0].task, QString(LongestTaskText, u'x'));

    PrintFields early;
    early.SetField("VORZEITIG", true);
    const ResultRecord nothingJudged = recordFromReport(0, 0, early, QString(300, u'N'), end);
    EXPECT_TRUE(nothingJudged.endedEarly);
    EXPECT_EQ(nothingJudged.grade, QString()); // no grade for nothing
    EXPECT_EQ(nothingJudged.name.size(), LongestName);

    const ResultRecord withoutClock = recordFromReport(47, 52, reportFields(false), QStringLiteral("A"), end);
    EXPECT_FALSE(withoutClock.start.isValid());
    EXPECT_FALSE(withoutClock.durationSeconds.has_value());
    const RecordReading back = readRecordText(recordText(withoutClock));
    ASSERT_TRUE(back.record) << back.problem.toStdString();
    EXPECT_EQ(*back.record, withoutClock);
}

class HostileName : public ::testing::TestWithParam<const char*> {};

// Whatever a pupil types as a name or an answer comes back exactly, and the record stays one value per line;
// no control character stands in the file but the line ends and the task separators.
TEST_P(HostileName, SurvivesTheRoundTrip)
{
    const QString hostile = QString::fromUtf8(GetParam());
    ResultRecord record = sampleRecord(hostile, "2026-12-06", "10:15:00");
    record.endedEarly = true;
    record.durationSeconds = 0.1 + 754.123456789012; // a duration keeps every bit
    record.tasks[0].entered = hostile;
    record.tasks[1].task = hostile;
    const QByteArray text = recordText(record);
    const RecordReading back = readRecordText(text);
    ASSERT_TRUE(back.record) << back.problem.toStdString() << "\n" << text.toStdString();
    EXPECT_EQ(*back.record, record);
    EXPECT_EQ(text.count('\n'), 23) << text.toStdString();
    for (const char c : text)
        EXPECT_TRUE(c == '\n' || c == '\t' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f)) << int(c);
}

INSTANTIATE_TEST_SUITE_P(Table, HostileName,
                         ::testing::Values("Anna", "", "Zoë Ößmann-Çelik", "Anna\nNOTE=1+", "a=b;c", "\\n",
                                           "back\\slash\\", "CR\rLF\r\n", "tab\there", "unit\x1f\x7f end",
                                           "\\u0041", "KOLTEST-ERGEBNIS ENDE", "\"quoted\"", "=SUMME(A1)",
                                           "🧪 Lab", "AUFGABE=JANEIN\tr\ta\tb\tc"));

// A record written before runs ended early and tasks were kept is still read.
TEST(ResultRecord, ReadsTheFirstFormat)
{
    QByteArray old = recordText(sampleRecord(QStringLiteral("Anna"), "2026-12-06", "10:15:00"));
    old.replace("KOLTEST-ERGEBNIS 2", "KOLTEST-ERGEBNIS 1").replace("VORZEITIG=nein\n", "");
    old.truncate(old.indexOf("AUFGABE="));
    const RecordReading reading = readRecordText(old + "KOLTEST-ERGEBNIS ENDE\n");
    ASSERT_TRUE(reading.record) << reading.problem.toStdString();
    EXPECT_FALSE(reading.record->endedEarly);
    EXPECT_TRUE(reading.record->tasks.isEmpty());
}

struct Refusal {
    const char* name;
    QByteArray text;
    const char* problemStart;
};

class BrokenRecord : public ::testing::TestWithParam<Refusal> {};

TEST_P(BrokenRecord, IsRefusedWithItsReason)
{
    const RecordReading reading = readRecordText(GetParam().text);
    EXPECT_FALSE(reading.record);
    EXPECT_TRUE(reading.problem.startsWith(QLatin1String(GetParam().problemStart)))
        << reading.problem.toStdString();
}

QByteArray whole()
{
    return recordText(sampleRecord(QStringLiteral("Anna"), "2026-12-06", "10:15:00"));
}

QByteArray replaced(const char* from, const char* to)
{
    return whole().replace(from, to);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BrokenRecord,
    ::testing::Values(
        Refusal{"empty", "", "does not begin"},
        Refusal{"foreign text", "Einkaufsliste\nMilch\n", "does not begin"},
        Refusal{"cut off", whole().left(whole().size() / 2), "incomplete"},
        Refusal{"not UTF-8", replaced("Anna", "\xff\xfe"), "not UTF-8"},
        Refusal{"no key", replaced("NOTE=", "NOTE"), "line"},
        Refusal{"twice", replaced("NOTE=2", "NAME=x\nNOTE=2"), "line"},
        Refusal{"broken escape", replaced("NAME=Anna", "NAME=Anna\\"), "line"},
        Refusal{"half a surrogate pair", replaced("NAME=Anna", "NAME=\\udddd"), "line"},
        Refusal{"bad date", replaced("DATUM=2026-12-06", "DATUM=2026-13-06"), "DATUM"},
        Refusal{"more right than asked", replaced("RICHTIG=40", "RICHTIG=53"), "RICHTIG"},
        Refusal{"no grade", replaced("NOTE=2", "NOTE=2x"), "NOTE"},
        Refusal{"category missing", replaced("JANEIN=1/2\n", ""), "JANEIN"},
        Refusal{"category as a date", replaced("JANEIN=1/2", "JANEIN=1.2"), "JANEIN"},
        Refusal{"negative duration", replaced("DAUER=754", "DAUER=-754"), "DAUER"},
        // Numbers no test run produces: a planted record must not reach the class's sums.
        Refusal{"more asked than a run asks", replaced("ANZAHL=52", "ANZAHL=2147483647"), "RICHTIG/ANZAHL"},
        Refusal{"half a point", replaced("RICHTIG=40", "RICHTIG=40.5"), "RICHTIG/ANZAHL"},
        Refusal{"category beyond its rows", replaced("ELEMENTE=5/6", "ELEMENTE=5/7"), "ELEMENTE"},
        Refusal{"category near 2^31", replaced("ELEMENTE=5/6", "ELEMENTE=2147483646/2147483647"), "ELEMENTE"},
        Refusal{"endless duration", replaced("DAUER=754", "DAUER=1e308"), "DAUER"},
        Refusal{"duration not a number", replaced("DAUER=754", "DAUER=nan"), "DAUER"},
        Refusal{"no grade though asked", replaced("NOTE=2", "NOTE="), "NOTE"},
        Refusal{"ended early neither yes nor no", replaced("VORZEITIG=nein", "VORZEITIG=1"), "VORZEITIG"},
        Refusal{"unknown category", replaced("AUFGABE=ELEMENTE", "AUFGABE=LATEIN"), "line 21: no task"},
        Refusal{"no verdict", replaced("ELEMENTE\tr", "ELEMENTE\t"), "line 21: no task"},
        Refusal{"verdict neither r nor f", replaced("ELEMENTE\tr", "ELEMENTE\tj"), "line 21: no task"},
        Refusal{"more parts than an equation", replaced("\trfr\t", "\trfrrr\t"), "line 22: no task"},
        Refusal{"a field missing", replaced("\tNa\tNa", "\tNa"), "line 21: no task"},
        Refusal{"task too long", replaced("Natrium", QByteArray(201, 'x').constData()), "line 21: no task"},
        Refusal{"more tasks than a category has points",
                replaced("AUFGABE=ELEMENTE",
                         (QByteArray("AUFGABE=ELEMENTE\tr\ta\tb\tc\n").repeated(6) + "AUFGABE=ELEMENTE")
                             .constData()),
                "more tasks"}),
    [](const ::testing::TestParamInfo<Refusal>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

} // namespace
