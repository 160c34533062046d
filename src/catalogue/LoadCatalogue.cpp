#include "catalogue/LoadCatalogue.h"

#include "catalogue/CheckedCatalogue.h"
#include "catalogue/RecordReading.h"

#include <algorithm>
#include <iterator>

namespace {

template <typename Record, typename Read>
void fillSection(CatalogueArray<Record>& array, DynValue& easyLimit, const RawSection& raw, Read read)
{
    array.reserve(raw.records.size() + 1);
    for (const RawRecord& record : raw.records)
        array.append(read(record));
    if (raw.easyLimit)
        easyLimit = DynValue::whole(*raw.easyLimit);
}

void fillSection(CatalogueArrays& into, const RawSection& raw)
{
    switch (raw.section) {
    case Section::Elements:
        return fillSection(into.g_ElementTasks, into.g_ElementsEasy, raw, readElementRecord);
    case Section::Syllables:
        return fillSection(into.g_SyllableTasks, into.g_SyllablesEasy, raw, readSyllableRecord);
    case Section::MolarMasses:
        return fillSection(into.g_MolarMassTasks, into.g_MolarMassesEasy, raw, readMolarMassRecord);
    case Section::Definitions:
        return fillSection(into.g_DefinitionTasks, into.g_DefinitionsEasy, raw, readDefinitionRecord);
    case Section::Charges:
        return fillSection(into.g_ChargeTasks, into.g_ChargesEasy, raw, readChargeRecord);
    case Section::YesNo:
        return fillSection(into.g_YesNoTasks, into.g_YesNoEasy, raw, readYesNoRecord);
    case Section::Equations:
        return fillSection(into.g_EquationTasks, into.g_EquationsEasy, raw, readEquationRecord);
    case Section::Substances:
        return fillSection(into.g_SubstanceTasks, into.g_SubstancesEasy, raw, readSubstanceRecord);
    case Section::Amounts:
        return fillSection(into.g_AmountTasks, into.g_AmountsEasy, raw, readAmountRecord);
    }
}

// Every array holds its blank record 0 and nothing else; every limit is empty.
void clearCatalogue(CatalogueArrays& into)
{
    into = CatalogueArrays{};
    into.g_ElementTasks = {ElementRecord{}};
    into.g_SyllableTasks = {SyllableRecord{}};
    into.g_MolarMassTasks = {MolarMassRecord{}};
    into.g_DefinitionTasks = {DefinitionRecord{}};
    into.g_ChargeTasks = {ChargeRecord{}};
    into.g_YesNoTasks = {YesNoRecord{}};
    into.g_EquationTasks = {QString()};
    into.g_SubstanceTasks = {SubstanceRecord{}};
    into.g_AmountTasks = {AmountRecord{}};
}

// True when every section ended with its "@" or at the "#" of the next one, so that nothing of the
// file is missing.
bool readToTheEnd(const RawCatalogue& raw)
{
    return raw.sections.size() == static_cast<qsizetype>(allSections.size()) &&
           (raw.sections.constLast().endLine > 0 || raw.sections.constLast().nextSectionLine > 0);
}

QString whatTheTestUses(const CatalogueLoad& load)
{
    switch (load.extent) {
    case CatalogueExtent::Nothing:
        return QStringLiteral("Es konnten keine Aufgaben gelesen werden; die Seiten des Tests bleiben leer.");
    case CatalogueExtent::Part:
        return QStringLiteral("Die Aufgaben, die gelesen werden konnten, werden verwendet; die Abschnitte "
                              "danach bleiben leer.");
    case CatalogueExtent::Whole:
        break;
    }
    if (std::any_of(load.problems.begin(), load.problems.end(), isError))
        return QStringLiteral("Die Aufgaben werden verwendet, aber manche Seiten können falsche oder zu "
                              "wenige Aufgaben zeigen.");
    return QStringLiteral("Alle Aufgaben wurden gelesen und werden verwendet.");
}

qsizetype problemCount(const CatalogueLoad& load)
{
    return load.problems.size() + load.errorsLeftOut;
}

QList<CatalogueProblem> problemsNamedAtStart(const CatalogueLoad& load)
{
    return load.problems.first(std::min(load.problems.size(), ProblemsNamedAtStart));
}

} // namespace

CatalogueLoad loadCatalogueBytes(const QByteArray& bytes, CatalogueArrays& into)
{
    clearCatalogue(into);
    const CheckedCatalogue checked = checkedCatalogue(bytes);
    for (const RawSection& section : checked.raw.sections)
        fillSection(into, section);
    CatalogueLoad load;
    load.problems = checked.raw.problems;
    std::copy_if(checked.contentFindings.begin(), checked.contentFindings.end(),
                 std::back_inserter(load.problems), isError);
    load.errorsLeftOut = checked.errorsLeftOut;
    sortByLine(load.problems);
    if (checked.raw.sections.isEmpty() && std::any_of(load.problems.begin(), load.problems.end(), isError))
        load.extent = CatalogueExtent::Nothing; // not even the first section's "#" was found, or not decoded
    else
        load.extent = readToTheEnd(checked.raw) ? CatalogueExtent::Whole : CatalogueExtent::Part;
    return load;
}

CatalogueLoad LoadCatalogue(const QString& path, CatalogueArrays& into)
{
    const CatalogueBytes file = readCatalogueBytes(path);
    if (!file.bytes) {
        clearCatalogue(into);
        return {{{CatalogueProblem::Severity::Error, 0, file.error}}, 0, CatalogueExtent::Nothing};
    }
    return loadCatalogueBytes(*file.bytes, into);
}

QString describeLoadProblems(const QString& path, const CatalogueLoad& load)
{
    QString text = QStringLiteral("Mit der Aufgabendatei „%1“ stimmt etwas nicht:\n").arg(path);
    for (const CatalogueProblem& problem : problemsNamedAtStart(load)) {
        text += QStringLiteral("\n• ");
        if (problem.line > 0)
            text += QStringLiteral("Zeile %1: ").arg(problem.line);
        text += problem.message;
    }
    if (const qsizetype more = problemCount(load) - ProblemsNamedAtStart; more > 0)
        text += QStringLiteral("\n• … und %1 weitere. Alle nennt der Befehl „koltest --check %2“.")
                    .arg(more)
                    .arg(path);
    text += QStringLiteral("\n\n") + whatTheTestUses(load) +
            QStringLiteral(" Bitte sag deiner Lehrerin oder deinem Lehrer Bescheid.");
    return text;
}

QStringList diagnosticLines(const QString& path, const QList<CatalogueProblem>& problems)
{
    QStringList lines;
    for (const CatalogueProblem& problem : problems) {
        const QString severity = problem.severity == CatalogueProblem::Severity::Error
                                     ? QStringLiteral("error")
                                     : QStringLiteral("warning");
        const QString place = problem.line > 0 ? QStringLiteral("%1:%2").arg(path).arg(problem.line) : path;
        lines.append(QStringLiteral("%1: %2: %3").arg(place, severity, problem.message));
    }
    return lines;
}

QStringList startDiagnostics(const QString& path, const CatalogueLoad& load)
{
    QStringList lines = diagnosticLines(path, problemsNamedAtStart(load));
    if (const qsizetype more = problemCount(load) - ProblemsNamedAtStart; more > 0)
        lines.append(
            QStringLiteral("%1: note: %2 more problems; koltest --check %1 lists them").arg(path).arg(more));
    return lines;
}
