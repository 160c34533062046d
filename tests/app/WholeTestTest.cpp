#include "components/NumberText.h"
#include "support/PupilAnswers.h"
#include "support/WindowFixture.h"
#include "testrun/GradeScale.h"
#include "testrun/ResultCategories.h"

#include <QFile>

// A whole test run on the shipped catalogue, page by page as a pupil takes it, at both levels: what the
// counters, the grade badge, the praise and the record of the finished test run show at the end.

namespace {

struct Level {
    const char* name;
    int expertChoice; // the start page's option: 0 beginner, 1 expert
};

const QList<int> walkOrder = {1, 2, 11, 8, 12, 3, 4, 9, 5, 6};

QVariant fieldValue(const PrintFields& fields, const QString& key)
{
    for (const PrintFields::Field& field : fields.fields())
        if (field.key == key)
            return field.value;
    return {};
}

class WholeTest : public WindowTest, public ::testing::WithParamInterface<Level> {
protected:
    // Starts a test run at the row's level and answers, judges and leaves every page; returns whether each
    // sheet was praised.
    QList<bool> walkWholeTest(Answers answers)
    {
        QFile shipped(QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat"));
        EXPECT_TRUE(shipped.open(QIODevice::ReadOnly));
        writeCatalogue(shipped.readAll());
        load();
        form.Expert_Click(GetParam().expertChoice);
        world.userName = QStringLiteral("Mia");
        form.but_OK_Click();
        QList<bool> praised;
        for (int page : walkOrder) {
            EXPECT_EQ(form.m_CurrentPage, page);
            answerCurrentPage(form, answers);
            form.but_OK_Click();
            praised << form.lab_Correct.Visible;
            form.but_Next_Click(); // after the last page: the result window, closed with "Ja"
        }
        return praised;
    }

    // The result window that the last Next showed: the sentence and the grade in words.
    void expectResultWindow(int right, const QString& gradeWords)
    {
        EXPECT_EQ(world.callsStartingWith("Windows.ShowResultWindowModal"),
                  QStringList{QStringLiteral("Windows.ShowResultWindowModal:  Von  52 Aufgaben wurden %1 "
                                             "richtig gelöst! | %2")
                                  .arg(printWhole(right, true), gradeWords)});
    }

    // The record handed to the print service holds every item once and each category's pair.
    void expectRecord(int right)
    {
        EXPECT_EQ(world.callsStartingWith("Print.ReportResult"),
                  QStringList{QStringLiteral("Print.ReportResult: %1/%2").arg(right).arg(MostAskedPerRun)});
        const PrintFields& fields = world.reportedFields;
        EXPECT_EQ(fieldValue(fields, "ANZAHL").toInt(), MostAskedPerRun);
        EXPECT_EQ(fieldValue(fields, "RICHTIG").toInt(), right);
        EXPECT_EQ(fieldValue(fields, "RICHTIG").toInt() + fieldValue(fields, "FALSCH").toInt(),
                  MostAskedPerRun);
        EXPECT_EQ(fieldValue(fields, "EXPERTE").toBool(), GetParam().expertChoice == 1);
        for (const ResultCategory& category : ResultCategories)
            EXPECT_EQ(
                fieldValue(fields, QLatin1String(category.key)).toString(),
                QStringLiteral("%1/%2").arg(right == 0 ? 0 : category.mostAsked).arg(category.mostAsked))
                << category.key;
    }

    void expectTotals(int right, const QString& grade)
    {
        EXPECT_EQ(state.g_TotalAsked.toInt(), MostAskedPerRun);
        EXPECT_EQ(state.g_TotalRight.toInt(), right);
        EXPECT_EQ(form.Aufgabenanz.Caption, " 52");
        EXPECT_EQ(form.RichtigAnz.Caption, QStringLiteral(" %1").arg(right));
        EXPECT_EQ(state.g_Grade, grade);
        EXPECT_EQ(form.ctl_Mark.MarkText, grade);
        EXPECT_EQ(gradeText(form.ctl_Mark.Band), grade);
        EXPECT_EQ(world.callsStartingWith("Host.Report: <-"), QStringList{"Host.Report: <- Note: " + grade});
        EXPECT_EQ(world.notices, QStringList()); // the shipped catalogue fills every page
    }
};

} // namespace

TEST_P(WholeTest, EveryAnswerRightGivesOnePlus)
{
    const QList<bool> praised = walkWholeTest(Answers::Right);
    EXPECT_EQ(praised, QList<bool>(walkOrder.size(), true));
    expectTotals(MostAskedPerRun, "1+");
    expectRecord(MostAskedPerRun);
    expectResultWindow(MostAskedPerRun, "sehr gut plus");
}

TEST_P(WholeTest, EveryAnswerWrongGivesSix)
{
    const QList<bool> praised = walkWholeTest(Answers::Wrong);
    EXPECT_EQ(praised, QList<bool>(walkOrder.size(), false));
    expectTotals(0, "6");
    expectRecord(0);
    expectResultWindow(0, "ungenügend");
}

INSTANTIATE_TEST_SUITE_P(Levels, WholeTest, ::testing::Values(Level{"Beginner", 0}, Level{"Expert", 1}),
                         [](const auto& info) { return std::string(info.param.name); });
