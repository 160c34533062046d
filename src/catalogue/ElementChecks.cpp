#include "catalogue/ElementChecks.h"

#include "catalogue/ElementTable.h"
#include "catalogue/LineChecks.h"
#include "components/TextTools.h"

namespace {

// A table entry that the text names when capital and small letters are ignored, for a hint such as
// "Gemeint ist wohl „Na“."; nothing when there is none.
QString caseHint(const QString& text, bool symbol)
{
    const auto sameBut = [&text](const QString& candidate) {
        return candidate.compare(text, Qt::CaseInsensitive) == 0;
    };
    for (const ChemicalElement& element : elementTable()) {
        // Compared where they stand: a file of many faults asks this for each of them.
        if (symbol && sameBut(element.symbol))
            return QStringLiteral(" Gemeint ist wohl „%1“.").arg(element.symbol);
        if (!symbol)
            for (const QString& name : element.names)
                if (sameBut(name))
                    return QStringLiteral(" Gemeint ist wohl „%1“.").arg(name);
    }
    return {};
}

// The element that the record's names point to, for a hint on a wrong symbol.
const ChemicalElement* namedElement(const QStringList& names)
{
    for (const QString& name : names)
        if (const ChemicalElement* element = elementByName(trimBlanks(name)))
            return element;
    return nullptr;
}

const ChemicalElement* checkSymbol(const SourceLine& line, const QStringList& names, CheckFindings& findings)
{
    // The page trims the symbol on the right before it shows or expects it.
    const QString symbol = trimBlanksRight(line.text);
    if (!checkNotEmpty(line, QStringLiteral("das Elementsymbol"), findings))
        return nullptr;
    if (const ChemicalElement* element = elementBySymbol(symbol))
        return element;
    QString hint = caseHint(trimBlanks(symbol), true);
    if (hint.isEmpty())
        if (const ChemicalElement* named = namedElement(names))
            hint = QStringLiteral(" %1 hat das Symbol „%2“.").arg(named->name(), named->symbol);
    findings.error(line.number, QStringLiteral("„%1“ ist kein Elementsymbol.%2").arg(symbol, hint));
    return nullptr;
}

} // namespace

void checkElementRecord(const RawRecord& record, CheckFindings& findings)
{
    const SourceLine& namesLine = record.at(0);
    const QStringList names = checkAnswerList(namesLine, QStringLiteral("die Namensliste"), findings);
    const ChemicalElement* element = checkSymbol(record.at(1), names, findings);
    for (const QString& written : names) {
        const QString name = trimBlanks(written);
        if (name.isEmpty())
            continue; // already reported by the list check
        const ChemicalElement* named = elementByName(name);
        if (!named)
            findings.error(namesLine.number, QStringLiteral("„%1“ ist kein Elementname der Elementtabelle.%2")
                                                 .arg(name, caseHint(name, false)));
        else if (element && named != element)
            findings.error(namesLine.number, QStringLiteral("„%1“ ist der Name von %2, nicht von %3.")
                                                 .arg(name, named->symbol, element->symbol));
    }
}
