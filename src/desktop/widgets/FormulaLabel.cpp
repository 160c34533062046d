#include "desktop/widgets/FormulaLabel.h"

#include "desktop/widgets/FormulaText.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

#include <cmath>

FormulaLabel::FormulaLabel(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void FormulaLabel::setFormula(const QString& formula)
{
    if (formula == m_formula)
        return;
    m_formula = formula;
    setAccessibleName(formula);
    updateGeometry();
    update();
}

void FormulaLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QSize FormulaLabel::sizeHint() const
{
    const FormulaText text(formulaRuns(m_formula), font());
    const QMargins margins = contentsMargins();
    return {static_cast<int>(std::ceil(text.width())) + margins.left() + margins.right(),
            static_cast<int>(std::ceil(text.height())) + margins.top() + margins.bottom()};
}

void FormulaLabel::paintEvent(QPaintEvent*)
{
    const FormulaText text(formulaRuns(m_formula), font());
    const QSize size(static_cast<int>(std::ceil(text.width())), static_cast<int>(std::ceil(text.height())));
    const QRect area = QStyle::alignedRect(layoutDirection(), m_alignment, size, contentsRect());
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    text.draw(painter, QPointF(area.left(), area.top() + text.ascent()));
}

void FormulaLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}
