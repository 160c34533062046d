#include "sheets/SheetScore.h"

#include "sheets/SheetContext.h"

void SheetScore::judged(const QString& task, const QString& expected, const QString& entered,
                        const PartVerdicts& partsRight, int items)
{
    JudgedTask judged{m_category, task, expected, entered, partsRight};
    m_asked += items;
    if (judged.right()) {
        m_right += items;
        m_context.state.g_TotalRight += items;
    }
    m_context.state.g_RunLog.tasks.append(std::move(judged));
}

void SheetScore::finish(DynValue& categoryAsked, double& categoryRight)
{
    m_context.state.g_TotalAsked += m_asked;
    if (m_asked > 0 && m_right == m_asked)
        m_context.ShowPraise();
    categoryRight = m_right;
    categoryAsked = DynValue::int16(static_cast<std::int16_t>(m_asked));
    m_context.UpdateGrade();
}
