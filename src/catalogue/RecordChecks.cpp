#include "catalogue/RecordChecks.h"

#include "catalogue/ElementChecks.h"
#include "catalogue/EquationNotation.h"
#include "catalogue/FormulaNotation.h"
#include "catalogue/LineChecks.h"
#include "catalogue/RecordReading.h"
#include "components/TextTools.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int highestCharge = 3; // the charge page offers -3 .. +3

std::optional<ParsedFormula> checkFormula(const SourceLine& line, CheckFindings& findings)
{
    ParsedFormula formula = parseFormula(line.text);
    if (formula.ok())
        return formula;
    findings.error(line.number, QStringLiteral("Formel „%1“: %2").arg(line.text, formula.error));
    return std::nullopt;
}

void checkSyllable(const RawRecord& record, CheckFindings& findings)
{
    checkWholeNumber(record.at(0), QStringLiteral("der Zahlwert"), findings);
    for (const QString& form :
         checkAnswerList(record.at(1), QStringLiteral("die Liste der Zahlsilben"), findings))
        if (form != form.toLower())
            findings.warning(record.at(1).number,
                             QStringLiteral("Die Zahlsilbe „%1“ enthält Großbuchstaben; die Seite verlangt "
                                            "Kleinschreibung.")
                                 .arg(form));
}

void checkMolarMass(const RawRecord& record, RecordPart part, CheckFindings& findings)
{
    const SourceLine& shown = record.at(0);
    const SourceLine& massLine = record.at(1);
    if (checkNotEmpty(shown, QStringLiteral("der angezeigte Text"), findings))
        checkWidth(shown, shownFormulaWidth, QStringLiteral("der angezeigte Text"), findings);
    const std::optional<double> written =
        checkSingleNumber(massLine, QStringLiteral("die molare Masse"), findings);
    const std::optional<ParsedFormula> formula = checkFormula(record.at(2), findings);
    if (!written || !formula)
        return;
    // The page compares the pupil's number with the stored one in single precision. Beginners add the
    // masses that the periodic table shows, which are those of the element table; experts calculate in the
    // head, so for them a differing value is suspicious rather than unreachable.
    const double expected = roundedMolarMass(formula->atoms);
    if (static_cast<float>(expected) == readMolarMassRecord(record).MolarMass)
        return;
    const QString message =
        QStringLiteral("Die molare Masse %1 passt nicht zur Formel „%2“: Die "
                       "Elementtabelle ergibt %3 g/mol, gerundet %4.")
            .arg(massLine.text.trimmed(), record.at(2).text,
                 QString::number(molarMass(formula->atoms), 'g', 10), QString::number(expected, 'f', 1));
    if (part == RecordPart::Beginners)
        findings.error(massLine.number, message);
    else
        findings.warning(massLine.number, message);
}

void checkDefinition(const RawRecord& record, CheckFindings& findings)
{
    const SourceLine& term = record.at(0);
    const SourceLine& definition = record.at(1);
    if (checkNotEmpty(term, QStringLiteral("der Begriff"), findings)) {
        checkWidth(term, termWidth, QStringLiteral("der Begriff"), findings);
        checkForbidden(
            term, QLatin1Char('|'), QStringLiteral("der Begriff"),
            QStringLiteral("Seite 4 sortiert die Begriffe mit „|“ als Trennzeichen und zeigt nur, was "
                           "nach dem letzten steht."),
            findings);
    }
    if (checkNotEmpty(definition, QStringLiteral("die Definition"), findings))
        checkWidth(definition, definitionWidth, QStringLiteral("die Definition"), findings);
}

void checkCharge(const RawRecord& record, CheckFindings& findings)
{
    if (checkNotEmpty(record.at(0), QStringLiteral("der Teilchenname"), findings))
        checkWidth(record.at(0), particleNameWidth, QStringLiteral("der Teilchenname"), findings);
    const std::optional<int> charge =
        checkWholeNumber(record.at(1), QStringLiteral("die Ladungszahl"), findings);
    if (charge && std::abs(*charge) > highestCharge)
        findings.error(record.at(1).number,
                       QStringLiteral("Die Ladungszahl %1 liegt nicht zwischen -3 und +3; die "
                                      "Seite bietet nur -3 bis +3 zur Wahl an.")
                           .arg(*charge));
}

void checkYesNo(const RawRecord& record, CheckFindings& findings)
{
    if (checkNotEmpty(record.at(0), QStringLiteral("die Aussage"), findings))
        checkWidth(record.at(0), questionWidth, QStringLiteral("die Aussage"), findings);
    const QString answer = upperEachChar(trimBlanks(record.at(1).text));
    if (answer != QLatin1String("J") && answer != QLatin1String("N"))
        findings.error(record.at(1).number,
                       QStringLiteral("Die Antwort „%1“ ist weder J noch N; das Programm "
                                      "wertet sie als N (Nein).")
                           .arg(record.at(1).text));
}

bool allCoefficientsOne(const ParsedEquation& equation)
{
    const auto one = [](const EquationSubstance& substance) { return substance.count == 1; };
    return std::all_of(equation.left.begin(), equation.left.end(), one) &&
           std::all_of(equation.right.begin(), equation.right.end(), one);
}

void checkEquation(const RawRecord& record, RecordPart part, CheckFindings& findings)
{
    const SourceLine& line = record.at(0);
    const ParsedEquation equation = parseEquation(line.text);
    for (const QString& error : equation.errors)
        findings.error(line.number, error);
    for (const QString& warning : equation.warnings)
        findings.warning(line.number, warning);
    if (!equation.ok())
        return;
    const QString balance = imbalance(equation);
    if (!balance.isEmpty())
        findings.error(line.number, balance);
    else if (const long long factor = commonFactor(equation); factor > 1)
        findings.error(line.number,
                       QStringLiteral("Alle Koeffizienten lassen sich durch %1 teilen; verlangt sind "
                                      "die kleinsten ganzen Zahlen.")
                           .arg(factor));
    else if (part == RecordPart::Beginners && allCoefficientsOne(equation))
        findings.warning(line.number,
                         QStringLiteral("Alle Koeffizienten sind 1: Anfänger lösen die Gleichung, indem sie "
                                        "alle Felder leer lassen. Sie gehört hinter „ææ“."));
}

void checkSubstance(const RawRecord& record, CheckFindings& findings)
{
    const QString why = QStringLiteral("Die Substanzseite trennt die richtigen Namen mit „|“.");
    checkForbidden(record.at(0), QLatin1Char('|'), QStringLiteral("der erste Namensteil"), why, findings);
    checkForbidden(record.at(1), QLatin1Char('|'), QStringLiteral("der zweite Namensteil"), why, findings);
    const SubstanceRecord substance = readSubstanceRecord(record);
    TextList names;
    names.SetFirst(substance.Part1);
    names.SetSecond(substance.Part2);
    for (const QString& name : names.items()) {
        if (trimBlanks(name).isEmpty())
            findings.error(record.at(0).number,
                           QStringLiteral("Die Namensteile ergeben einen leeren Namen."));
        else if (trimBlanks(name) != name)
            findings.error(record.at(0).number,
                           QStringLiteral("Der Name „%1“ hat Leerzeichen am Rand; eingetippte "
                                          "Namen werden ohne sie verglichen, so ist er nie "
                                          "richtig.")
                               .arg(name));
    }
    checkFormula(record.at(2), findings);
}

void checkAmount(const RawRecord& record, CheckFindings& findings)
{
    checkNotEmpty(record.at(0), QStringLiteral("die Frage"), findings);
    checkAmountAnswer(record.at(1), findings);
}

} // namespace

RecordPart recordPart(const RawSection& section, qsizetype index)
{
    return section.easyLimit && index >= *section.easyLimit ? RecordPart::ExpertsOnly : RecordPart::Beginners;
}

void checkRecord(Section section, const RawRecord& record, RecordPart part, CheckFindings& findings)
{
    switch (section) {
    case Section::Elements:
        return checkElementRecord(record, findings);
    case Section::Syllables:
        return checkSyllable(record, findings);
    case Section::MolarMasses:
        return checkMolarMass(record, part, findings);
    case Section::Definitions:
        return checkDefinition(record, findings);
    case Section::Charges:
        return checkCharge(record, findings);
    case Section::YesNo:
        return checkYesNo(record, findings);
    case Section::Equations:
        return checkEquation(record, part, findings);
    case Section::Substances:
        return checkSubstance(record, findings);
    case Section::Amounts:
        return checkAmount(record, findings);
    }
}

QString taskKey(Section section, const RawRecord& record)
{
    switch (section) {
    case Section::Elements:
        return trimBlanks(record.at(1).text);
    case Section::MolarMasses:
    case Section::Substances:
        return record.at(2).text;
    case Section::Equations:
        return QString(record.at(0).text).remove(QLatin1Char(' '));
    default: // the line that the page shows
        return trimBlanks(record.at(0).text);
    }
}
