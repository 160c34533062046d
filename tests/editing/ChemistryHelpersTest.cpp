#include "editing/ChemistryHelpers.h"
#include "support/CatalogueBuilder.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(ChemistryHelpers, WritesTheMolarMassAsTheCatalogueStoresIt)
{
    const struct {
        QString formula;
        std::optional<QString> field;
    } cases[] = {
        {"H2SO4", "98.1"},   {"CuO", "79.5"},         {"CH4", "16.0"},
        {"Ca(OH)2", "74.1"}, {"CuSO4·5H2O", "249.7"}, {"Ca(OH", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(molarMassField(c.formula), c.field) << c.formula.toStdString();
}

TEST(ChemistryHelpers, CountsTheAtomsOfEachSideAndJudgesTheBalance)
{
    const struct {
        QString line;
        QString left, right, verdict;
        bool balanced;
    } cases[] = {
        {"@3Fe+@2O2=@1Fe3O4", "O 4, Fe 3", "O 4, Fe 3", "ausgeglichen", true},
        {"@1H2+@1O2=@1H2O", "H 2, O 2", "H 2, O 1",
         "Die Gleichung ist nicht ausgeglichen: O links 2, rechts 1.", false},
        {"@4H2+@2O2=@4H2O", "H 8, O 4", "H 8, O 4",
         "nicht die kleinsten ganzen Zahlen: alle Koeffizienten lassen sich durch 2 teilen", false},
        {"@2H2+@1O2", "", "", "Es fehlt „=“ zwischen den beiden Seiten.", false},
    };
    for (const auto& c : cases) {
        const EquationAtoms atoms = equationAtoms(c.line);
        EXPECT_EQ(atoms.left, c.left) << c.line.toStdString();
        EXPECT_EQ(atoms.right, c.right) << c.line.toStdString();
        EXPECT_EQ(atoms.verdict, c.verdict);
        EXPECT_EQ(atoms.balanced, c.balanced) << c.line.toStdString();
    }
}

// The same definition is what the check calls the same: blanks at the end do not count, a full stop does.
TEST(ChemistryHelpers, FindsTheOtherTermsOfTheSameDefinition)
{
    QString problem;
    const std::optional<CatalogueDocument> document = CatalogueDocument::open(
        catalogueFile({{Section::Elements, recordLines({"Eisen|Fe"})},
                       {Section::Definitions,
                        recordLines({"Oxid|Verbindung mit Sauerstoff.", "Salz|Verbindung aus Ionen.", "ææ",
                                     "Oxidationsprodukt|Verbindung mit Sauerstoff.  ",
                                     "Rost|Verbindung mit Sauerstoff"})}}),
        problem);
    ASSERT_TRUE(document) << problem.toStdString();
    const QList<int> beginners = document->records(Section::Definitions, CataloguePart::Beginner);
    const QList<int> experts = document->records(Section::Definitions, CataloguePart::Expert);
    ASSERT_EQ(beginners.size() + experts.size(), 4);
    const struct {
        int id;
        QStringList terms;
    } cases[] = {
        {beginners.at(0), {"Oxidationsprodukt"}},
        {experts.at(0), {"Oxid"}},
        {beginners.at(1), {}},
        {document->records(Section::Elements, CataloguePart::Expert).at(0), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(termsWithSameDefinition(*document, c.id), c.terms) << c.id;
}
