#include "desktop/widgets/FormulaText.h"

#include <QPainter>

namespace {

constexpr qreal subscriptScale = 0.7;
constexpr qreal subscriptDrop = 0.3; // of the normal ascent

QFont smallerFont(QFont font)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * subscriptScale)));
    else
        font.setPointSizeF(font.pointSizeF() * subscriptScale);
    return font;
}

} // namespace

FormulaText::FormulaText(const QList<FormulaRun>& runs, const QFont& font)
    : m_runs(runs), m_normalFont(font), m_smallFont(smallerFont(font)), m_normal(m_normalFont),
      m_small(m_smallFont)
{
}

qreal FormulaText::lineHeight(const QFontMetricsF& normal)
{
    // Room for the lowered digits below the normal line: the drop, whatever the smaller descent.
    return normal.ascent() + normal.descent() + normal.ascent() * subscriptDrop;
}

qreal FormulaText::width() const
{
    qreal width = 0;
    for (const FormulaRun& run : m_runs)
        width += metricsOf(run).horizontalAdvance(run.text);
    return width;
}

qreal FormulaText::xAt(qsizetype index) const
{
    qreal x = 0;
    for (const FormulaRun& run : m_runs) {
        if (index <= run.text.size())
            return x + metricsOf(run).horizontalAdvance(run.text.left(index));
        x += metricsOf(run).horizontalAdvance(run.text);
        index -= run.text.size();
    }
    return x;
}

qsizetype FormulaText::indexAt(qreal x) const
{
    qsizetype length = 0;
    for (const FormulaRun& run : m_runs)
        length += run.text.size();
    qsizetype nearest = 0;
    for (qsizetype index = 1; index <= length; ++index)
        if (qAbs(xAt(index) - x) < qAbs(xAt(nearest) - x))
            nearest = index;
    return nearest;
}

void FormulaText::draw(QPainter& painter, QPointF baselineStart) const
{
    const QFont before = painter.font();
    QPointF at = baselineStart;
    for (const FormulaRun& run : m_runs) {
        painter.setFont(run.subscript ? m_smallFont : m_normalFont);
        const qreal drop = run.subscript ? m_normal.ascent() * subscriptDrop : 0;
        painter.drawText(at + QPointF(0, drop), run.text);
        at.rx() += metricsOf(run).horizontalAdvance(run.text);
    }
    painter.setFont(before);
}
