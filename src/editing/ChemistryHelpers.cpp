#include "editing/ChemistryHelpers.h"

#include "catalogue/ElementTable.h"
#include "catalogue/EquationNotation.h"
#include "catalogue/FormulaNotation.h"
#include "catalogue/SectionChecks.h"
#include "components/TextTools.h"

namespace {

// "Fe 3, O 4": the elements by atomic number, so that both sides list them in the same order.
QString atomList(const AtomCounts& atoms)
{
    QStringList entries;
    for (const auto& [number, count] : atoms)
        entries << QStringLiteral("%1 %2").arg(elementByNumber(number)->symbol).arg(count);
    return entries.join(QStringLiteral(", "));
}

RawRecord definitionRecord(const QStringList& fields)
{
    return {SourceLine{1, fields.value(0), false}, SourceLine{2, fields.value(1), false}};
}

} // namespace

std::optional<QString> molarMassField(const QString& formula)
{
    const ParsedFormula parsed = parseFormula(formula);
    if (!parsed.ok())
        return std::nullopt;
    return QString::number(roundedMolarMass(parsed.atoms), 'f', 1);
}

EquationAtoms equationAtoms(const QString& line)
{
    const ParsedEquation equation = parseEquation(line);
    EquationAtoms result;
    if (!equation.ok()) {
        result.verdict = equation.errors.join(QLatin1Char(' '));
        return result;
    }
    result.left = atomList(sideAtoms(equation.left));
    result.right = atomList(sideAtoms(equation.right));
    result.verdict = imbalance(equation);
    if (!result.verdict.isEmpty())
        return result;
    if (const long long factor = commonFactor(equation); factor > 1) {
        result.verdict = QStringLiteral("nicht die kleinsten ganzen Zahlen: alle Koeffizienten lassen sich "
                                        "durch %1 teilen")
                             .arg(factor);
        return result;
    }
    result.verdict = QStringLiteral("ausgeglichen");
    result.balanced = true;
    return result;
}

QStringList termsWithSameDefinition(const CatalogueDocument& document, int id)
{
    if (document.sectionOf(id) != Section::Definitions)
        return {};
    const QString key = definitionKey(definitionRecord(document.fields(id)));
    QStringList terms;
    for (CataloguePart part : {CataloguePart::Beginner, CataloguePart::Expert})
        for (int other : document.records(Section::Definitions, part))
            if (other != id && definitionKey(definitionRecord(document.fields(other))) == key)
                terms << trimBlanks(document.fields(other).value(0));
    return terms;
}
