#include "sheets/definitions/TermSheet.h"

#include "catalogue/Section.h"
#include "components/TextTools.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/SheetScore.h"
#include "sheets/definitions/TermWheels.h"
#include "sheets/definitions/WheelRows.h"

namespace {

// The judged texts of the terms of every other record whose definition reads as the given one does.
QStringList termsSharingDefinition(const CatalogueArray<DefinitionRecord>& records, int record)
{
    const QString definition = judgedText(records.value(record).Definition.text());
    QStringList terms;
    for (int i = 1; i <= upperBound(records); ++i)
        if (i != record && judgedText(records[i].Definition.text()) == definition)
            terms.append(judgedText(records[i].Term.text()));
    return terms;
}

} // namespace

void TermSheet::Present()
{
    mdl_KolTest& state = m_context.state;
    const CatalogueArray<DefinitionRecord>& records = state.g_DefinitionTasks;
    const QList<int> drawn =
        drawSheet(m_context, Section::Definitions, upperBound(records), state.g_DefinitionsEasy, 4);
    const QStringList terms = wheelTerms(records);
    for (int row = 0; row < 4; ++row) {
        const auto k = static_cast<std::size_t>(row);
        const DefinitionRecord record = records.value(drawn.at(row));
        const bool posed = drawn.at(row) != 0;
        AnzS4[k].Caption = trimBlanksRight(record.Definition.text());
        state.g_Solutions[k] = record.Term.text();
        m_sameDefinitionTerms[k] = posed ? termsSharingDefinition(records, drawn.at(row)) : QStringList();
        lst_Begriff[k] = Wheel{terms, terms.value(0), posed};
        lst_BegriffFilter[k] = Wheel{letterGroups(), letterGroups().constFirst(), posed};
        lst_BegriffFilter_Click(row, 1, lst_BegriffFilter[k].Value);
    }
    m_context.SetFocus(&lst_Begriff[0]);
}

void TermSheet::hOK4()
{
    mdl_KolTest& state = m_context.state;
    SheetScore score(m_context, TaskCategory::Definitions);
    judgeWheelRows(score, m_context, AnzS4, lst_Begriff, 0, m_sameDefinitionTerms);
    DynValue asked;
    double right = 0;
    score.finish(asked, right);
    state.g_DefinitionsAsked = DynValue::whole(state.g_DefinitionsAsked.toInt() + asked.toInt());
    state.g_DefinitionsRight = right + m_firstSheet.rightRows();
}

void TermSheet::lst_Begriff_Click(int index, int /*position*/, const QString& text)
{
    followTerm(lst_BegriffFilter[static_cast<std::size_t>(index)], text);
}

void TermSheet::lst_BegriffFilter_Click(int index, int /*position*/, const QString& text)
{
    followFilter(lst_Begriff[static_cast<std::size_t>(index)], text);
}
