#include "sheets/DefinitionCatalogue.h"
#include "sheets/definitions/TermWheels.h"
#include "support/WindowFixture.h"

#include <QSet>

#include <random>

// Page 3, the first definition sheet: what its wheels offer and how it copes with a small section. Its
// judging is shared with the second sheet and tested with it.

namespace {

class DefinitionPage : public WindowTest {
protected:
    void SetUp() override
    {
        writeCatalogue(definitionCatalogue());
        openPage(3);
    }
    // The definitions of the section, as the judging compares them, whose term is term.
    QSet<QString> definitionsOf(const QString& term) const
    {
        QSet<QString> found;
        for (const DefinitionRecord& record : state.g_DefinitionTasks)
            if (judgedText(record.Term.text()) == judgedText(term))
                found.insert(judgedText(record.Definition.text()));
        return found;
    }
};

} // namespace

TEST_F(DefinitionPage, EveryWheelOffersTheRightDefinitionAndSixOthersThatCannotBeConfused)
{
    std::mt19937 chance(7);
    for (int draw = 0; draw < 300; ++draw) {
        random.script.clear();
        for (int i = 0; i < 40; ++i)
            random.script.append(static_cast<int>(chance() % 16));
        form.definitions.Present();

        QSet<QString> sheetDefinitions; // of the three terms shown
        for (const Label& term : form.definitions.AnzS3)
            sheetDefinitions += definitionsOf(term.Caption);
        for (int row = 0; row < 3; ++row) {
            const Wheel& wheel = form.definitions.lst_Definition[static_cast<std::size_t>(row)];
            const QString right = judgedText(solution(row));
            QSet<QString> offered;
            for (const QString& item : wheel.Items) {
                offered.insert(judgedText(item));
                EXPECT_TRUE(judgedText(item) == right || !sheetDefinitions.contains(judgedText(item)))
                    << item.toStdString();
            }
            ASSERT_EQ(wheel.Items.size(), 7);
            EXPECT_EQ(offered.size(), 7) << "no definition twice";
            EXPECT_TRUE(offered.contains(right));
            EXPECT_TRUE(wheel.Items.contains(wheel.Value));
            EXPECT_TRUE(wheel.Enabled);
            EXPECT_EQ(solution(row).size(), 120);
        }
        ASSERT_TRUE(form.m_SheetNotices.isEmpty());
    }
}

TEST_F(DefinitionPage, BeginnersAreAskedOnlyTheFirstTerms)
{
    const QStringList beginnerTerms = {"Atom", "Element", "oxidation", "Base", "Äther"};
    for (int first = 0; first < 5; ++first) {
        random.script = {first};
        form.definitions.Present();
        for (const Label& term : form.definitions.AnzS3)
            EXPECT_TRUE(beginnerTerms.contains(term.Caption)) << term.Caption.toStdString();
    }
    EXPECT_EQ(form.FocusRequest, &form.definitions.lst_Definition[0]);
}

namespace {

struct ShortWheelCase {
    const char* name;
    const char* lines; // term and definition lines, separated by "|"
    int posedRows;
    int offered;    // items on a posed wheel
    QString notice; // a part of the notice, "" for none
};

class ShortDefinitionSection : public WindowTest, public ::testing::WithParamInterface<ShortWheelCase> {};

} // namespace

TEST_P(ShortDefinitionSection, OffersWhatThereIsAndTellsThePupil)
{
    const ShortWheelCase& c = GetParam();
    writeCatalogue(definitionSection(QString(c.lines).split(u'|', Qt::SkipEmptyParts)));
    openPage(3);
    for (int row = 0; row < 3; ++row) {
        const Wheel& wheel = form.definitions.lst_Definition[static_cast<std::size_t>(row)];
        EXPECT_EQ(wheel.Enabled, row < c.posedRows);
        EXPECT_EQ(wheel.Items.size(), row < c.posedRows ? c.offered : 0);
    }
    const QString notices = world.notices.filter(QStringLiteral("„Definitionen“")).join("\n");
    EXPECT_EQ(notices.isEmpty(), c.notice.isEmpty()) << notices.toStdString();
    EXPECT_TRUE(notices.contains(c.notice)) << notices.toStdString();

    form.but_OK_Click();
    EXPECT_EQ(state.g_DefinitionsAsked.toInt(), c.posedRows);
}

INSTANTIATE_TEST_SUITE_P(
    Page3, ShortDefinitionSection,
    ::testing::Values(ShortWheelCase{"TenDistinctDefinitionsAreEnough",
                                     "A|a|B|b|C|c|D|d|E|e|F|f|G|g|H|h|I|i|J|j", 3, 7, ""},
                      ShortWheelCase{"RepeatedDefinitionsLeaveFewerOthers",
                                     "A|a|B|b|C|c|D|d|E|e|F|E |G|e|H|h", 3, 3, "nur 3 statt 7"},
                      ShortWheelCase{"FourRecordsLeaveOnlyTheRightOne", "A|a|B|b|C|c|D|d", 3, 1,
                                     "nur 1 statt 7 Definitionen"},
                      ShortWheelCase{"TwoRecordsPoseTwoRows", "A|a|B|b", 2, 1, "nur 2 Aufgaben"},
                      ShortWheelCase{"EmptySectionPosesNothing", "", 0, 0, "keine Aufgaben"}),
    [](const auto& info) { return std::string(info.param.name); });
