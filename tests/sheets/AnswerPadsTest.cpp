#include "catalogue/EquationNotation.h"
#include "components/Keypads.h"
#include "support/WindowFixture.h"
#include "testrun/TestStart.h"

#include <functional>

// Every answer of the shipped catalogue can be typed with the mouse alone, on the pad that a click on its
// field opens.

namespace {

// The pad behind the dialog service's last call.
KeypadKind padOpened(const FakeWorld& world)
{
    const QStringList calls = world.callsStartingWith("Dialogs.");
    const QString call = calls.isEmpty() ? QString() : calls.last();
    if (call.startsWith("Dialogs.ShowNumberPad"))
        return KeypadKind::Number;
    if (call.startsWith("Dialogs.ShowTextPad"))
        return KeypadKind::Text;
    EXPECT_TRUE(call.startsWith("Dialogs.EditTerm")) << call.toStdString();
    return KeypadKind::Formula;
}

struct Field {
    const char* name;
    std::function<void()> click;
    QStringList answers;
};

} // namespace

TEST_F(WindowTest, EveryShippedAnswerCanBeTypedOnThePadOfItsField)
{
    loadShippedCatalogue();
    linkSubstanceNames(state);

    QStringList symbols, elementNames, numbers, syllables, masses, amounts, coefficients, names, formulas;
    for (int i = 1; i <= upperBound(state.g_ElementTasks); ++i) {
        symbols << state.g_ElementTasks[i].Symbol;
        elementNames << ensureList(state.g_ElementTasks[i].Names).items();
    }
    for (int i = 1; i <= upperBound(state.g_SyllableTasks); ++i) {
        numbers << QString::number(state.g_SyllableTasks[i].Value);
        syllables << ensureList(state.g_SyllableTasks[i].Syllables).items();
    }
    for (int i = 1; i <= upperBound(state.g_MolarMassTasks); ++i)
        masses
            << QString::number(state.g_MolarMassTasks[i].MolarMass).replace(u'.', u','); // as pupils type it
    for (int i = 1; i <= upperBound(state.g_AmountTasks); ++i)
        amounts << QString(state.g_AmountTasks[i].Text2).replace(u'.', u',');
    for (int i = 1; i <= upperBound(state.g_EquationTasks); ++i) {
        const ParsedEquation equation = parseEquation(state.g_EquationTasks[i]);
        for (const EquationSubstance& substance : equation.left + equation.right)
            coefficients << substance.coefficient;
    }
    for (int i = 1; i <= upperBound(state.g_SubstanceTasks); ++i) {
        names << ensureList(state.g_SubstanceTasks[i].Combined).items();
        formulas << state.g_SubstanceTasks[i].Name;
    }

    const Field fields[] = {
        {"EleSym", [&] { form.elements.EleSym_Click(0); }, symbols},
        {"Ele", [&] { form.elements.Ele_Click(0); }, elementNames},
        {"Zahl (number)", [&] { form.syllables.Zahl_Click(0); }, numbers},
        {"Zahl (syllable)", [&] { form.syllables.Zahl_Click(2); }, syllables},
        {"Mol", [&] { form.molarMasses.Mol_Click(0); }, masses},
        {"Stoffm", [&] { form.amounts.Stoffm_Click(0); }, amounts},
        {"Einsetz", [&] { form.equations.Einsetz_Click(0); }, coefficients},
        {"Substein (name)", [&] { form.substanceNames.Substein_Click(0); }, names},
        {"Substein (formula)", [&] { form.substanceNames.Substein_Click(3); }, formulas},
    };
    for (const Field& field : fields) {
        EXPECT_GT(field.answers.size(), 4) << field.name;
        field.click();
        const QString offered = keypadCharacters(padOpened(world));
        for (const QString& answer : field.answers)
            for (const QChar character : answer)
                EXPECT_TRUE(offered.contains(character)) << field.name << ": " << answer.toStdString()
                                                         << " needs " << QString(character).toStdString();
    }
}
