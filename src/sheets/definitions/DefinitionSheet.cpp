#include "sheets/definitions/DefinitionSheet.h"

#include "catalogue/Section.h"
#include "components/TextList.h"
#include "components/TextTools.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/SheetScore.h"
#include "sheets/definitions/TermWheels.h"
#include "sheets/definitions/WheelRows.h"

#include <QSet>

#include <algorithm>

namespace {

// The records that may lend a wheel one of its other definitions: none of the sheet's own records, nor
// another record of one of their terms, nor a definition that reads like one of theirs; each definition
// text once (texts that differ only in case or blanks count as one, as the judging sees them).
QList<int> otherDefinitionRecords(const CatalogueArray<DefinitionRecord>& records,
                                  const QList<int>& sheetRecords)
{
    QSet<QString> takenDefinitions;
    QSet<QString> sheetTerms;
    for (int record : sheetRecords) {
        if (record == 0)
            continue;
        takenDefinitions.insert(judgedText(records.value(record).Definition.text()));
        sheetTerms.insert(judgedText(records.value(record).Term.text()));
    }
    QList<int> found;
    for (int i = 1; i <= upperBound(records); ++i) {
        const QString definition = judgedText(records[i].Definition.text());
        if (definition.isEmpty() || takenDefinitions.contains(definition) ||
            sheetTerms.contains(judgedText(records[i].Term.text())))
            continue;
        takenDefinitions.insert(definition);
        found.append(i);
    }
    return found;
}

QString shortWheelMessage(int offered)
{
    return QStringLiteral("Auf dieser Seite fehlen Auswahlmöglichkeiten: Im Abschnitt „%1“ der Aufgabendatei "
                          "stehen zu wenige verschiedene Definitionen. Darum bietet ein Rad nur %2 statt %3 "
                          "Definitionen zur Auswahl an.\n\nBitte sag deiner Lehrerin oder deinem Lehrer "
                          "Bescheid.")
        .arg(sectionName(Section::Definitions))
        .arg(offered)
        .arg(DefinitionSheet::OtherDefinitions + 1);
}

} // namespace

void DefinitionSheet::Present()
{
    mdl_KolTest& state = m_context.state;
    const CatalogueArray<DefinitionRecord>& records = state.g_DefinitionTasks;
    const int upper = upperBound(records);
    QList<int> sheetRecords = drawSheet(m_context, Section::Definitions, upper, state.g_DefinitionsEasy, 3);
    // A fourth record from the same range is not shown; its definition is kept off the wheels as well.
    const int drawRange =
        state.isExpert() ? upper : std::clamp(static_cast<int>(state.g_DefinitionsEasy.toInt()), 0, upper);
    sheetRecords.append(PickRandomIndex(m_context.random, drawRange, sheetRecords));

    const QList<int> candidates = otherDefinitionRecords(records, sheetRecords);
    int fewestOthers = OtherDefinitions;
    for (int row = 0; row < 3; ++row) {
        const auto k = static_cast<std::size_t>(row);
        const int drawn = sheetRecords.at(row);
        const DefinitionRecord record = records.value(drawn);
        AnzS3[k].Caption = trimBlanksRight(record.Term.text());
        state.g_Solutions[k] = record.Definition.text();
        Wheel& wheel = lst_Definition[k];
        wheel = Wheel{};
        wheel.Enabled = drawn != 0;
        if (drawn == 0)
            continue;

        const QList<int> chosen =
            drawDistinct(m_context.random, static_cast<int>(candidates.size()), OtherDefinitions);
        fewestOthers = std::min(fewestOthers, static_cast<int>(chosen.size()));
        TextList options;
        options.Add(trimBlanks(record.Definition.text()));
        for (int pick : chosen)
            options.Add(trimBlanks(records[candidates.at(pick - 1)].Definition.text()));
        options.Reorder(m_context.random);
        wheel.Items = options.items();
        wheel.Value = options.Pick(m_context.random);
    }
    if (fewestOthers < OtherDefinitions) {
        m_context.platform.Diagnose(
            QStringLiteral("%1: section %2 (%3) leaves only %4 other distinct definitions for a wheel of the "
                           "first definition sheet, %5 wanted")
                .arg(state.g_CatalogFile)
                .arg(sectionNumber(Section::Definitions))
                .arg(sectionName(Section::Definitions))
                .arg(fewestOthers)
                .arg(OtherDefinitions));
        m_context.NoticeOnceShown(shortWheelMessage(fewestOthers + 1));
    }
    m_context.SetFocus(&lst_Definition[0]);
}

void DefinitionSheet::hOK3()
{
    SheetScore score(m_context, TaskCategory::Definitions);
    judgeWheelRows(score, m_context, AnzS3, lst_Definition, 4);
    double right = 0;
    score.finish(m_context.state.g_DefinitionsAsked, right);
    m_rightRows = score.rightItems();
}
