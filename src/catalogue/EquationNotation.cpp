#include "catalogue/EquationNotation.h"

#include "catalogue/ElementTable.h"

#include <numeric>

namespace {

// Coefficients above this are typing errors; below it no product of counts can overflow.
constexpr qsizetype coefficientDigits = 6;

QString withoutBlanks(QStringView line)
{
    QString text;
    text.reserve(line.size());
    for (QChar c : line)
        if (c != QLatin1Char(' ') && c != QChar(0))
            text += c;
    return text;
}

bool isCoefficientCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

class EquationReader {
public:
    explicit EquationReader(ParsedEquation& result) : m_result(result) {}

    void read(const QString& text)
    {
        if (text.isEmpty())
            return error(QStringLiteral("Die Gleichung ist leer."));
        const QStringList sides = text.split(QLatin1Char('='));
        if (sides.size() == 1)
            return error(QStringLiteral("Es fehlt „=“ zwischen den beiden Seiten."));
        if (sides.size() > 2)
            return error(QStringLiteral("Die Gleichung hat %1-mal „=“; es darf nur eines dastehen.")
                             .arg(sides.size() - 1));
        readSide(sides.at(0), QStringLiteral("linken Seite"), m_result.left);
        readSide(sides.at(1), QStringLiteral("rechten Seite"), m_result.right);
    }

private:
    void error(const QString& message) { m_result.errors.append(message); }
    void warning(const QString& message) { m_result.warnings.append(message); }

    void readSide(const QString& text, const QString& side, QList<EquationSubstance>& into)
    {
        if (text.isEmpty())
            return error(QStringLiteral("Auf der %1 steht nichts.").arg(side));
        const qsizetype firstMark = text.indexOf(QLatin1Char('@'));
        if (firstMark != 0) {
            error(QStringLiteral("Auf der %1 steht „%2“ vor dem ersten „@“; jeder Stoff beginnt mit „@“ und "
                                 "seinem Koeffizienten.")
                      .arg(side, firstMark < 0 ? text : text.left(firstMark)));
            if (firstMark < 0)
                return;
        }
        const QStringList substances = text.mid(firstMark + 1).split(QLatin1Char('@'));
        for (qsizetype i = 0; i < substances.size(); ++i) {
            QString substance = substances.at(i);
            const bool last = i + 1 == substances.size();
            const bool endsWithPlus = substance.endsWith(QLatin1Char('+'));
            if (endsWithPlus)
                substance.chop(1);
            if (substance.isEmpty()) {
                error(QStringLiteral("Auf der %1 steht ein „@“ ohne Stoff danach.").arg(side));
                continue;
            }
            if (last && endsWithPlus)
                error(QStringLiteral("Auf der %1 steht am Ende „+“; danach fehlt ein Stoff.").arg(side));
            if (!last && !endsWithPlus)
                warning(QStringLiteral("Zwischen „%1“ und dem nächsten Stoff fehlt „+“.").arg(substance));
            into.append(readSubstance(substance));
        }
        if (into.size() > 2)
            error(QStringLiteral("Auf der %1 stehen %2 Stoffe; die Seite zeigt höchstens zwei.")
                      .arg(side)
                      .arg(into.size()));
    }

    EquationSubstance readSubstance(const QString& text)
    {
        EquationSubstance substance;
        qsizetype split = 0;
        while (split < text.size() && isCoefficientCharacter(text.at(split)))
            ++split;
        substance.coefficient = text.left(split);
        substance.formula = text.mid(split);
        readCoefficient(substance);
        readFormula(substance);
        return substance;
    }

    void readCoefficient(EquationSubstance& substance)
    {
        const QString& coefficient = substance.coefficient;
        if (coefficient.isEmpty())
            return error(QStringLiteral("Vor „%1“ fehlt der Koeffizient; auch eine 1 muss dastehen.")
                             .arg(substance.formula));
        if (coefficient.contains(QLatin1Char('.')) || coefficient.size() > coefficientDigits ||
            coefficient.toLongLong() < 1)
            return error(
                QStringLiteral("Der Koeffizient „%1“ vor „%2“ ist keine ganze Zahl von 1 bis 999999.")
                    .arg(coefficient, substance.formula));
        substance.count = coefficient.toLongLong();
    }

    void readFormula(EquationSubstance& substance)
    {
        const QString& formula = substance.formula;
        if (formula.isEmpty())
            return error(
                QStringLiteral("Nach dem Koeffizienten „%1“ fehlt die Formel.").arg(substance.coefficient));
        if (formula.contains(QLatin1Char('+')))
            return error(
                QStringLiteral("In der Formel „%1“ steht „+“; „+“ trennt in einer Gleichung die Stoffe "
                               "(fehlt ein „@“, oder ist eine Ladung gemeint?).")
                    .arg(formula));
        const ParsedFormula parsed = parseFormula(formula);
        if (!parsed.ok())
            return error(QStringLiteral("Formel „%1“: %2").arg(formula, parsed.error));
        if (parsed.hasPartFactor)
            warning(
                QStringLiteral("In der Formel „%1“ steht eine Zahl vor einem Formelteil; die Gleichungsseite "
                               "zeichnet sie tiefgestellt wie eine Anzahl.")
                    .arg(formula));
        substance.atoms = parsed.atoms;
    }

    ParsedEquation& m_result;
};

} // namespace

AtomCounts sideAtoms(const QList<EquationSubstance>& side)
{
    AtomCounts total;
    for (const EquationSubstance& substance : side)
        for (const auto& [number, count] : substance.atoms)
            total[number] += substance.count * count;
    return total;
}

ParsedEquation parseEquation(QStringView line)
{
    ParsedEquation result;
    EquationReader(result).read(withoutBlanks(line));
    return result;
}

QString imbalance(const ParsedEquation& equation)
{
    const AtomCounts left = sideAtoms(equation.left);
    const AtomCounts right = sideAtoms(equation.right);
    AtomCounts all = left;
    all.insert(right.begin(), right.end());
    QStringList differences;
    for (const auto& entry : all) {
        const int number = entry.first;
        const long long onLeft = left.count(number) ? left.at(number) : 0;
        const long long onRight = right.count(number) ? right.at(number) : 0;
        if (onLeft != onRight)
            differences.append(QStringLiteral("%1 links %2, rechts %3")
                                   .arg(elementByNumber(number)->symbol)
                                   .arg(onLeft)
                                   .arg(onRight));
    }
    if (differences.isEmpty())
        return {};
    return QStringLiteral("Die Gleichung ist nicht ausgeglichen: %1.")
        .arg(differences.join(QStringLiteral("; ")));
}

long long commonFactor(const ParsedEquation& equation)
{
    long long divisor = 0;
    for (const QList<EquationSubstance>* side : {&equation.left, &equation.right})
        for (const EquationSubstance& substance : *side)
            divisor = std::gcd(divisor, substance.count);
    return divisor;
}
