#include "FuzzProperties.h"

#include "catalogue/CatalogueChecker.h"
#include "catalogue/EquationNotation.h"
#include "catalogue/FormulaNotation.h"
#include "catalogue/LoadCatalogue.h"
#include "components/NumberText.h"
#include "editing/CatalogueDocument.h"
#include "results/certificate/CertificateForm.h"
#include "results/records/ResultRecord.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool sameProblem(const CatalogueProblem& a, const CatalogueProblem& b)
{
    return a.severity == b.severity && a.line == b.line && a.message == b.message;
}

bool containsProblem(const QList<CatalogueProblem>& problems, const CatalogueProblem& problem)
{
    return std::any_of(problems.begin(), problems.end(),
                       [&](const CatalogueProblem& other) { return sameProblem(other, problem); });
}

template <typename Record>
QString checkLimit(const char* name, const CatalogueArray<Record>& array, const DynValue& limit)
{
    if (array.isEmpty())
        return QStringLiteral("%1: the array lacks its blank record 0").arg(QLatin1String(name));
    if (!limit.isEmpty() && (limit.toInt() < 0 || limit.toInt() > upperBound(array)))
        return QStringLiteral("%1: beginner limit %2 outside 0..%3")
            .arg(QLatin1String(name))
            .arg(limit.toInt())
            .arg(upperBound(array));
    return {};
}

QString checkLimits(const CatalogueArrays& a)
{
    const std::array<QString, 9> answers = {
        checkLimit("elements", a.g_ElementTasks, a.g_ElementsEasy),
        checkLimit("syllables", a.g_SyllableTasks, a.g_SyllablesEasy),
        checkLimit("molar masses", a.g_MolarMassTasks, a.g_MolarMassesEasy),
        checkLimit("definitions", a.g_DefinitionTasks, a.g_DefinitionsEasy),
        checkLimit("charges", a.g_ChargeTasks, a.g_ChargesEasy),
        checkLimit("yes/no", a.g_YesNoTasks, a.g_YesNoEasy),
        checkLimit("equations", a.g_EquationTasks, a.g_EquationsEasy),
        checkLimit("substances", a.g_SubstanceTasks, a.g_SubstancesEasy),
        checkLimit("amounts", a.g_AmountTasks, a.g_AmountsEasy),
    };
    for (const QString& answer : answers)
        if (!answer.isEmpty())
            return answer;
    for (const MolarMassRecord& record : a.g_MolarMassTasks)
        if (!std::isfinite(record.MolarMass))
            return QStringLiteral("a molar mass is stored as %1").arg(record.MolarMass);
    return {};
}

// The equation page's split of a line into its four slots, as the page describes it: every "@" opens the
// next slot, "=" moves to the right side. Empty when a character would land outside the four slots.
struct PageSlots {
    std::array<QString, 4> coefficients;
    std::array<QString, 4> formulas;
    bool outside = false;
};

PageSlots splitLikeTheEquationPage(const QString& line)
{
    QString e = line;
    e.remove(QLatin1Char(' ')).remove(QChar(0));
    PageSlots result;
    int k = e.startsWith(QLatin1Char('@')) ? -1 : 0;
    bool inCoefficient = false;
    for (QChar ch : e) {
        if (ch == QLatin1Char('='))
            k = 1;
        if (ch == QLatin1Char('@')) {
            ++k;
            inCoefficient = true;
            continue;
        }
        if (!QStringLiteral("0123456789.").contains(ch))
            inCoefficient = false;
        const bool stored = inCoefficient || (ch != QLatin1Char('=') && ch != QLatin1Char('+'));
        if (stored && (k < 0 || k > 3)) {
            result.outside = true;
            return result;
        }
        if (inCoefficient)
            result.coefficients[k] += ch;
        else if (stored)
            result.formulas[k] += ch;
    }
    return result;
}

QString checkEquationSlots(const QString& line, const ParsedEquation& equation)
{
    const PageSlots page = splitLikeTheEquationPage(line);
    if (page.outside)
        return QStringLiteral("the line reads without errors, but the page writes past its four slots");
    const std::array<const EquationSubstance*, 4> parsed = {
        &equation.left.at(0), equation.left.size() > 1 ? &equation.left.at(1) : nullptr,
        &equation.right.at(0), equation.right.size() > 1 ? &equation.right.at(1) : nullptr};
    for (std::size_t slot = 0; slot < 4; ++slot) {
        const QString coefficient = parsed[slot] ? parsed[slot]->coefficient : QString();
        const QString formula = parsed[slot] ? parsed[slot]->formula : QString();
        if (page.coefficients[slot] != coefficient || page.formulas[slot] != formula)
            return QStringLiteral("slot %1: the page shows „%2“ „%3“, the check read „%4“ „%5“")
                .arg(slot)
                .arg(page.coefficients[slot], page.formulas[slot], coefficient, formula);
    }
    return {};
}

template <typename T> T valueFrom(QByteArrayView bytes)
{
    T value{};
    std::memcpy(&value, bytes.data(), std::min(sizeof(T), static_cast<std::size_t>(bytes.size())));
    return value;
}

// The editor gives back any file it opens byte for byte, also after a change and its undo, and the first
// record's lines are where the document says they are.
QString documentProperties(const QByteArray& bytes)
{
    QString problem;
    std::optional<CatalogueDocument> document = CatalogueDocument::open(bytes, problem);
    if (!document)
        return problem.isEmpty() ? QStringLiteral("a file refused without a reason") : QString();
    if (document->bytes() != bytes)
        return QStringLiteral("the editor changes a file it only opened");
    for (const Section section : allSections) {
        const QList<int> records = document->records(section, CataloguePart::Beginner);
        if (records.isEmpty())
            continue;
        const std::optional<CatalogueDocument::LinePlace> place =
            document->placeOfLine(document->firstLine(records.first()));
        if (!place || place->id != records.first() || place->field != 0)
            return QStringLiteral("a record is not at its first line");
        document->setField(records.first(), 0, QStringLiteral("x"));
        document->undo();
        if (document->bytes() != bytes)
            return QStringLiteral("a change and its undo change the file");
        break;
    }
    return {};
}

} // namespace

QString catalogueProperties(QByteArrayView input)
{
    const QByteArray bytes = input.toByteArray();
    CatalogueArrays arrays;
    const CatalogueLoad load = loadCatalogueBytes(bytes, arrays);
    const QList<CatalogueProblem> findings = checkCatalogue(bytes);
    for (const CatalogueProblem& finding : findings)
        if (finding.severity == CatalogueProblem::Severity::Error && !containsProblem(load.problems, finding))
            return QStringLiteral("the checker's error is missing at start-up: %1").arg(finding.message);
    for (const CatalogueProblem& problem : load.problems)
        if (!containsProblem(findings, problem))
            return QStringLiteral("the start-up names a problem that the checker does not: %1")
                .arg(problem.message);
    const qsizetype lineEnds = bytes.count('\n') + bytes.count('\r');
    for (const CatalogueProblem& finding : findings)
        if (finding.line < 0 || finding.line > lineEnds + 1 || finding.message.isEmpty())
            return QStringLiteral("finding at line %1 of a file with at most %2 lines: %3")
                .arg(finding.line)
                .arg(lineEnds + 1)
                .arg(finding.message);
    if (const QString editing = documentProperties(bytes); !editing.isEmpty())
        return editing;
    if (diagnosticLines(QStringLiteral("k.dat"), load.problems).size() != load.problems.size())
        return QStringLiteral("not one diagnostic line per problem");
    if (!load.problems.isEmpty() && describeLoadProblems(QStringLiteral("k.dat"), load).isEmpty())
        return QStringLiteral("empty start message");
    return checkLimits(arrays);
}

QString numberProperties(QByteArrayView bytes)
{
    const QString text = QString::fromUtf8(bytes);
    const double value = readLeadingNumber(text);
    if (!std::isfinite(value))
        return QStringLiteral("„%1“ reads as %2").arg(text).arg(value);
    // Blanks are skipped wherever they stand, so one more blank anywhere changes nothing.
    const qsizetype at = bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes[0]) % (text.size() + 1);
    const double spaced = readLeadingNumber(QString(text).insert(at, QLatin1Char(' ')));
    if (spaced != value)
        return QStringLiteral("„%1“ reads as %2, with a blank at %3 as %4")
            .arg(text)
            .arg(value)
            .arg(at)
            .arg(spaced);
    if (const std::optional<std::int16_t> whole = toInt16(value); whole && std::fabs(*whole - value) > 0.5)
        return QStringLiteral("%1 stored as the whole number %2").arg(value).arg(*whole);
    if (std::fabs(static_cast<double>(roundHalfEven(value)) - value) > 0.5 && std::fabs(value) < 0x1p62)
        return QStringLiteral("%1 rounds to %2").arg(value).arg(roundHalfEven(value));
    const auto whole = valueFrom<long long>(bytes);
    if (readLeadingNumber(printWhole(whole, true)) != static_cast<double>(whole))
        return QStringLiteral("%1 printed as „%2“ reads back differently")
            .arg(whole)
            .arg(printWhole(whole, true));
    const auto single = valueFrom<float>(bytes);
    if (std::isfinite(single)) {
        const double back = readLeadingNumber(printSingle(single, true));
        if (std::fabs(back - single) > 1e-6 * std::fabs(single) + std::numeric_limits<float>::denorm_min())
            return QStringLiteral("%1 printed as „%2“ reads back as %3")
                .arg(single)
                .arg(printSingle(single, true))
                .arg(back);
    }
    return {};
}

QString notationProperties(QByteArrayView bytes)
{
    const QString text = QString::fromUtf8(bytes);
    const ParsedFormula formula = parseFormula(text);
    if (formula.ok()) {
        if (formula.atoms.empty())
            return QStringLiteral("formula „%1“ reads without atoms").arg(text);
        for (const auto& [number, count] : formula.atoms)
            if (count < 1)
                return QStringLiteral("formula „%1“ counts %2 atoms of %3").arg(text).arg(count).arg(number);
        if (!std::isfinite(molarMass(formula.atoms)) || molarMass(formula.atoms) <= 0 ||
            !std::isfinite(roundedMolarMass(formula.atoms)))
            return QStringLiteral("formula „%1“ has the molar mass %2")
                .arg(text)
                .arg(molarMass(formula.atoms));
    }
    const ParsedEquation equation = parseEquation(text);
    if (!equation.ok())
        return {};
    if (equation.left.isEmpty() || equation.right.isEmpty() || equation.left.size() > 2 ||
        equation.right.size() > 2)
        return QStringLiteral("„%1“ reads without errors with %2 and %3 substances")
            .arg(text)
            .arg(equation.left.size())
            .arg(equation.right.size());
    if (commonFactor(equation) < 1)
        return QStringLiteral("„%1“ has the common factor %2").arg(text).arg(commonFactor(equation));
    imbalance(equation);
    return checkEquationSlots(text, equation);
}

QString formProperties(QByteArrayView bytes)
{
    const FormReading reading = readCertificateForm(bytes.toByteArray());
    const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;
    for (const FormError& error : reading.errors)
        if (error.line < 0 || error.line > lines || error.text.isEmpty())
            return QStringLiteral("finding at line %1 of a form with at most %2 lines: %3")
                .arg(error.line)
                .arg(lines)
                .arg(error.text);
    if (!reading.errors.isEmpty())
        return {};
    for (const FormElement& element : reading.form.elements) {
        const bool space = element.kind == ElementKind::Space || element.kind == ElementKind::FlexibleSpace;
        const qsizetype cells = space ? 0 : element.kind == ElementKind::Text ? 1 : 2;
        if (element.cells.size() != cells)
            return QStringLiteral("element of line %1 has %2 cells")
                .arg(element.line)
                .arg(element.cells.size());
        if (!(element.spaceMillimetres >= 0 && element.spaceMillimetres <= 300))
            return QStringLiteral("space of %1 mm in line %2")
                .arg(element.spaceMillimetres)
                .arg(element.line);
        if (!(element.style.pointSize >= 4 && element.style.pointSize <= 96))
            return QStringLiteral("font size %1 in line %2").arg(element.style.pointSize).arg(element.line);
    }
    return {};
}

QString recordProperties(QByteArrayView bytes)
{
    const RecordReading reading = readRecordText(bytes.toByteArray());
    if (!reading.record)
        return reading.problem.isEmpty() ? QStringLiteral("refused without a reason") : QString();
    const ResultRecord& record = *reading.record;
    const auto outside = [](const CategoryScore& score, int most) {
        return score.right < 0 || score.right > score.asked || score.asked > most;
    };
    if (outside({record.right, record.asked}, MostAskedPerRun))
        return QStringLiteral("accepted %1 of %2 right").arg(record.right).arg(record.asked);
    for (std::size_t i = 0; i < record.categories.size(); ++i)
        if (outside(record.categories[i], ResultCategories[i].mostAsked))
            return QStringLiteral("accepted %1 of %2 in %3")
                .arg(record.categories[i].right)
                .arg(record.categories[i].asked)
                .arg(QLatin1String(ResultCategories[i].key));
    if (record.durationSeconds &&
        !(*record.durationSeconds >= 0 && *record.durationSeconds < LongestRunSeconds))
        return QStringLiteral("accepted the duration %1").arg(*record.durationSeconds);
    if (record.tasks.size() > MostAskedPerRun)
        return QStringLiteral("accepted %1 tasks").arg(record.tasks.size());
    for (const JudgedTask& task : record.tasks)
        if (std::max({task.task.size(), task.expected.size(), task.entered.size()}) > LongestTaskText ||
            task.partsRight.isEmpty())
            return QStringLiteral("accepted a task of %1 parts, or too long").arg(task.partsRight.size());
    const RecordReading again = readRecordText(recordText(record));
    if (!again.record || !(*again.record == record))
        return QStringLiteral("the record does not come back through its own text: %1").arg(again.problem);
    return {};
}
