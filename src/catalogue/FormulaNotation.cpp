#include "catalogue/FormulaNotation.h"

#include "catalogue/ElementTable.h"

#include <QList>

#include <cmath>
#include <optional>

namespace {

// Counts beyond this are typing errors, and keeping below it keeps every product far from overflow.
constexpr long long countLimit = 1'000'000'000;

bool isCapital(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

bool isSmall(QChar c)
{
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A character for a message: blanks and control characters are named, since quoting them shows nothing.
QString describeCharacter(QChar c)
{
    if (c == QLatin1Char(' '))
        return QStringLiteral("ein Leerzeichen");
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        return QStringLiteral("das Steuerzeichen mit dem Code %1").arg(c.unicode());
    return QStringLiteral("das Zeichen „%1“").arg(c);
}

// Reads one formula from left to right. Brackets are kept on an explicit stack, so that no formula, however
// deeply nested, can exhaust the call stack.
class FormulaReader {
public:
    explicit FormulaReader(QStringView text) : m_text(text) {}

    ParsedFormula read()
    {
        ParsedFormula result;
        if (m_text.isEmpty()) {
            result.error = QStringLiteral("Die Formel ist leer.");
            return result;
        }
        while (m_error.isEmpty()) {
            const qsizetype partStart = m_pos;
            const std::optional<long long> factor = readNumber();
            if (!factor)
                break;
            if (m_pos > partStart)
                result.hasPartFactor = true;
            AtomCounts part;
            if (!readPart(part))
                break;
            if (part.empty()) {
                fail(emptyPartMessage(partStart));
                break;
            }
            if (!addScaled(result.atoms, part, *factor) || atEnd())
                break;
            ++m_pos; // the "·" that ended the part
            if (atEnd())
                fail(QStringLiteral("Nach „·“ an Stelle %1 steht keine Formel.").arg(m_pos));
        }
        result.error = m_error;
        return result;
    }

private:
    struct Bracket {
        AtomCounts atoms;
        qsizetype openedAt = 0;
    };

    // The reader stands at a "·" or at the end although the part that began at partStart holds no atoms.
    QString emptyPartMessage(qsizetype partStart) const
    {
        if (m_pos > partStart)
            return QStringLiteral("Nach der Zahl an Stelle %1 folgt keine Formel.").arg(partStart + 1);
        if (partStart == 0)
            return QStringLiteral("Vor „·“ an Stelle 1 steht keine Formel.");
        return QStringLiteral("Nach „·“ an Stelle %1 steht keine Formel.").arg(partStart);
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return m_text.at(m_pos); }
    QString place() const { return QString::number(m_pos + 1); }

    bool fail(const QString& message)
    {
        if (m_error.isEmpty())
            m_error = message;
        return false;
    }

    // The digits at the reading position as a number; 1 when there are none, nothing after a failure.
    std::optional<long long> readNumber()
    {
        const qsizetype start = m_pos;
        long long value = 0;
        while (!atEnd() && isDigit(peek())) {
            value = value * 10 + peek().digitValue();
            ++m_pos;
            if (value > countLimit) {
                fail(QStringLiteral("Die Zahl an Stelle %1 ist zu groß.").arg(start + 1));
                return std::nullopt;
            }
        }
        if (m_pos == start)
            return 1;
        if (value == 0) {
            fail(QStringLiteral("Die Zahl 0 an Stelle %1 ergibt keine Formel.").arg(start + 1));
            return std::nullopt;
        }
        return value;
    }

    bool addScaled(AtomCounts& into, const AtomCounts& atoms, long long factor)
    {
        for (const auto& [number, count] : atoms) {
            long long& total = into[number];
            if (count > countLimit / factor || total + count * factor > countLimit)
                return fail(QStringLiteral("Die Anzahlen in der Formel sind zu groß."));
            total += count * factor;
        }
        return true;
    }

    // Symbols and brackets up to the next "·" or the end of the formula.
    bool readPart(AtomCounts& part)
    {
        QList<Bracket> open{Bracket{}};
        while (!atEnd() && peek() != QChar(adductDot)) {
            const QChar c = peek();
            if (isCapital(c)) {
                if (!readElement(open.last().atoms))
                    return false;
            } else if (c == QLatin1Char('(')) {
                open.append({{}, m_pos++});
            } else if (c == QLatin1Char(')')) {
                if (open.size() == 1)
                    return fail(
                        QStringLiteral("Zur Klammer „)“ an Stelle %1 gibt es keine „(“.").arg(place()));
                const Bracket closed = open.takeLast();
                if (closed.atoms.empty())
                    return fail(
                        QStringLiteral("Die Klammer an Stelle %1 ist leer.").arg(closed.openedAt + 1));
                ++m_pos;
                const std::optional<long long> count = readNumber();
                if (!count || !addScaled(open.last().atoms, closed.atoms, *count))
                    return false;
            } else if (isDigit(c)) {
                return fail(
                    QStringLiteral("Die Zahl an Stelle %1 steht direkt nach „(“; Anzahlen stehen hinter "
                                   "einem Elementsymbol oder hinter „)“.")
                        .arg(place()));
            } else if (isSmall(c)) {
                return fail(
                    QStringLiteral("Der Kleinbuchstabe „%1“ an Stelle %2 gehört zu keinem Elementsymbol; "
                                   "Elementsymbole beginnen mit einem Großbuchstaben.")
                        .arg(c)
                        .arg(place()));
            } else {
                return fail(QStringLiteral("An Stelle %1 steht %2, das in keiner Formel vorkommen darf.")
                                .arg(place(), describeCharacter(c)));
            }
        }
        if (open.size() > 1)
            return fail(QStringLiteral("Die Klammer „(“ an Stelle %1 wird nicht geschlossen.")
                            .arg(open.last().openedAt + 1));
        part = open.first().atoms;
        return true;
    }

    bool readElement(AtomCounts& into)
    {
        const qsizetype start = m_pos++;
        while (!atEnd() && isSmall(peek()))
            ++m_pos;
        const QStringView symbol = m_text.mid(start, m_pos - start);
        const ChemicalElement* element = elementBySymbol(symbol);
        if (!element)
            return fail(
                QStringLiteral("„%1“ an Stelle %2 ist kein Elementsymbol.").arg(symbol).arg(start + 1));
        const std::optional<long long> count = readNumber();
        return count && addScaled(into, {{element->number, 1}}, *count);
    }

    QStringView m_text;
    qsizetype m_pos = 0;
    QString m_error;
};

// The molar mass in units of 0.0001 g/mol: every mass of the table is a whole number of these units.
long long massUnits(const AtomCounts& atoms)
{
    long long sum = 0;
    for (const auto& [number, count] : atoms)
        sum += count * std::llround(elementByNumber(number)->atomicMass * 10000);
    return sum;
}

// Whether the text is a formula that is still being typed: with one more element symbol and its open brackets
// closed it reads. Any formula stays one when a symbol is added to its last part, so a finished formula
// passes too.
bool beginsFormula(QStringView text)
{
    qsizetype open = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('('))
            ++open;
        else if (c == QLatin1Char(')') && --open < 0)
            return false;
    }
    return parseFormula(text.toString() + QLatin1Char('H') + QString(open, QLatin1Char(')'))).ok();
}

} // namespace

ParsedFormula parseFormula(QStringView formula)
{
    return FormulaReader(formula).read();
}

double molarMass(const AtomCounts& atoms)
{
    return static_cast<double>(massUnits(atoms)) / 10000;
}

double roundedMolarMass(const AtomCounts& atoms)
{
    return static_cast<double>((massUnits(atoms) + 500) / 1000) / 10;
}

QList<FormulaRun> formulaRuns(QStringView text, FormulaLayout layout)
{
    if (text.isEmpty())
        return {};
    const bool reads = layout == FormulaLayout::Typing ? beginsFormula(text) : parseFormula(text).ok();
    if (!reads)
        return {{text.toString(), false}};
    // The text reads, so a digit is a count exactly when the digits before it follow a symbol or ")".
    QList<FormulaRun> runs;
    bool countFollows = false;
    for (const QChar c : text) {
        const bool subscript = isDigit(c) && countFollows;
        if (!isDigit(c))
            countFollows = isCapital(c) || isSmall(c) || c == QLatin1Char(')');
        if (runs.isEmpty() || runs.last().subscript != subscript)
            runs.append({QString(), subscript});
        runs.last().text += c;
    }
    return runs;
}
