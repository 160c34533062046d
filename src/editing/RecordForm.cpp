#include "editing/RecordForm.h"

#include "catalogue/EquationNotation.h"

#include "catalogue/RecordReading.h"
#include "catalogue/Records.h"
#include "components/TextList.h"

#include <array>

namespace {

// A title longer than this is cut, and "…" marks the cut.
constexpr qsizetype longestTitle = 60;

QString shortened(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() <= longestTitle)
        return trimmed;
    return trimmed.left(longestTitle - 1).trimmed() + QChar(0x2026);
}

// The two parts put into the pattern ("%1 (%2)"), or whichever of them is not empty.
QString combined(const QString& pattern, const QString& first, const QString& second)
{
    const QString one = first.trimmed();
    const QString other = second.trimmed();
    if (one.isEmpty() || other.isEmpty())
        return one + other;
    return pattern.arg(one, other);
}

QString firstVariant(const QString& field)
{
    return variantsOf(field).constFirst();
}

} // namespace

const QList<FieldForm>& fieldForms(Section section)
{
    using enum FieldInput;
    // One list per section, in the order of allSections.
    static const std::array<QList<FieldForm>, allSections.size()> forms = {{
        {{QStringLiteral("Name(n) des Elements"), Variants}, {QStringLiteral("Elementsymbol"), Text}},
        {{QStringLiteral("Zahl"), Whole}, {QStringLiteral("Silbe(n)"), Variants}},
        {{QStringLiteral("Angezeigter Text"), Text, shownFormulaWidth},
         {QStringLiteral("Molare Masse in g/mol"), Number},
         {QStringLiteral("Formel"), Formula}},
        {{QStringLiteral("Begriff"), Text, termWidth}, {QStringLiteral("Definition"), Text, definitionWidth}},
        {{QStringLiteral("Name des Teilchens"), Text, particleNameWidth},
         {QStringLiteral("Ladungszahl"), Charge}},
        {{QStringLiteral("Aussage"), Text, questionWidth}, {QStringLiteral("Antwort"), YesNo}},
        {{QStringLiteral("Reaktionsgleichung"), Equation}},
        {{QStringLiteral("Erste Namensteile"), Variants},
         {QStringLiteral("Zweite Namensteile"), Variants},
         {QStringLiteral("Formel"), Formula}},
        {{QStringLiteral("Frage"), Text}, {QStringLiteral("Antwort"), Number}},
    }};
    return forms.at(static_cast<std::size_t>(sectionNumber(section) - 1));
}

QString recordTitle(Section section, const QStringList& fields)
{
    const QString first = fields.value(0);
    const QString second = fields.value(1);
    QString title;
    const QString bracket = QStringLiteral("%1 (%2)");
    switch (section) {
    case Section::Elements:
        title = combined(bracket, firstVariant(first), second);
        break;
    case Section::Syllables:
        title = combined(QStringLiteral("%1 – %2"), first, firstVariant(second));
        break;
    case Section::Charges:
        title = combined(bracket, first, second);
        break;
    case Section::Substances:
        title = combined(bracket, firstVariant(first) + firstVariant(second), fields.value(2));
        break;
    case Section::Equations:
        title = readableEquation(first);
        break;
    default: // the line the page shows first
        title = first;
        break;
    }
    title = shortened(title);
    return title.isEmpty() ? QStringLiteral("(leer)") : title;
}

QStringList newRecordFields(Section section)
{
    switch (section) {
    case Section::Elements:
        return {QStringLiteral("Neodym"), QStringLiteral("Nd")};
    case Section::Syllables:
        return {QStringLiteral("13"), QStringLiteral("trideca")};
    case Section::MolarMasses:
        return {QStringLiteral("Kaliumchlorid (KCl)"), QStringLiteral("74.5"), QStringLiteral("KCl")};
    case Section::Definitions:
        return {QStringLiteral("Resublimation"),
                QStringLiteral("Übergang eines Stoffes vom gasförmigen direkt in den festen Zustand.")};
    case Section::Charges:
        return {QStringLiteral("Peroxid-Ion"), QStringLiteral("-2")};
    case Section::YesNo:
        return {QStringLiteral("Helium ist ein Edelgas."), QStringLiteral("J")};
    case Section::Equations:
        return {QStringLiteral("@2Ba+@1O2=@2BaO")};
    case Section::Substances:
        return {QStringLiteral("Kalium"), QStringLiteral("bromid"), QStringLiteral("KBr")};
    case Section::Amounts:
        return {QStringLiteral("Wie viel mol sind 128 g Schwefeldioxid (SO2)? (1 Nachkommastelle)"),
                QStringLiteral("2.0")};
    }
    return {};
}

QStringList variantsOf(const QString& field)
{
    return TextList::fromText(field, listSeparator).items();
}

QString variantsField(const QStringList& variants)
{
    return variants.join(listSeparator);
}

QString readableEquation(const QString& line)
{
    const ParsedEquation equation = parseEquation(line);
    if (!equation.ok() || !equation.warnings.isEmpty())
        return line;
    const auto side = [](const QList<EquationSubstance>& substances) {
        QStringList written;
        for (const EquationSubstance& substance : substances)
            written << substance.coefficient + QLatin1Char(' ') + substance.formula;
        return written.join(QStringLiteral(" + "));
    };
    const QString readable = side(equation.left) + QStringLiteral(" = ") + side(equation.right);
    QString compact = line;
    compact.remove(QLatin1Char(' '));
    return equationLine(readable) == compact ? readable : line;
}

QString equationLine(const QString& readable)
{
    QString text = readable;
    text.replace(QStringLiteral("→"), QStringLiteral("="));
    if (text.contains(QLatin1Char('@')) || text.count(QLatin1Char('=')) != 1)
        return readable;
    QStringList sides;
    for (const QString& side : text.split(QLatin1Char('='))) {
        QStringList substances;
        for (QString substance : side.split(QLatin1Char('+'))) {
            substance.remove(QLatin1Char(' '));
            qsizetype digits = 0;
            while (digits < substance.size() &&
                   (substance.at(digits).isDigit() || substance.at(digits) == u'.'))
                ++digits;
            const QString coefficient = digits > 0 ? substance.left(digits) : QStringLiteral("1");
            substances << QLatin1Char('@') + coefficient + substance.mid(digits);
        }
        sides << substances.join(QLatin1Char('+'));
    }
    return sides.join(QLatin1Char('='));
}
