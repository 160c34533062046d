#include "desktop/widgets/FormulaField.h"

#include "catalogue/FormulaNotation.h"
#include "desktop/widgets/FormulaText.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace {

constexpr int innerMargin = 2; // what QLineEdit keeps between its frame's contents and the text

FormulaText layoutOf(const QString& text, const QFont& font)
{
    return FormulaText(formulaRuns(text, FormulaLayout::Typing), font);
}

} // namespace

FormulaField::FormulaField(QWidget* parent) : QLineEdit(parent) {}

int FormulaField::withRoomForSubscripts(int height) const
{
    const QFontMetricsF metrics(font());
    return height + static_cast<int>(std::ceil(FormulaText::lineHeight(metrics) - metrics.height()));
}

QSize FormulaField::sizeHint() const
{
    const QSize size = QLineEdit::sizeHint();
    return {size.width(), withRoomForSubscripts(size.height())};
}

QSize FormulaField::minimumSizeHint() const
{
    const QSize size = QLineEdit::minimumSizeHint();
    return {size.width(), withRoomForSubscripts(size.height())};
}

QRect FormulaField::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    return contents.marginsRemoved(textMargins()).adjusted(innerMargin, 0, -innerMargin, 0);
}

void FormulaField::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QRect area = textArea();
    const bool placeholder = text().isEmpty() && !placeholderText().isEmpty();
    const FormulaText layout =
        placeholder ? FormulaText({{placeholderText(), false}}, font()) : layoutOf(text(), font());
    const qreal cursorX = layout.xAt(cursorPosition());
    // Scroll only as far as needed to keep the cursor inside, as QLineEdit does.
    m_scroll = qBound(cursorX - area.width(), m_scroll, cursorX);
    m_scroll = qBound<qreal>(0, m_scroll, qMax<qreal>(0, layout.width() - area.width()));
    const qreal left = area.left() - m_scroll;
    const qreal baseline = area.top() + (area.height() - layout.height()) / 2 + layout.ascent();

    painter.setClipRect(area);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, placeholder ? QPalette::PlaceholderText : QPalette::Text));
    layout.draw(painter, {left, baseline});
    if (hasSelectedText()) {
        const QRectF selection(QPointF(left + layout.xAt(selectionStart()), area.top()),
                               QPointF(left + layout.xAt(selectionEnd()), area.bottom() + 1));
        painter.fillRect(selection, palette().color(group, QPalette::Highlight));
        painter.setClipRect(selection.toAlignedRect() & area);
        painter.setPen(palette().color(group, QPalette::HighlightedText));
        layout.draw(painter, {left, baseline});
    }
    if (hasFocus() && !isReadOnly()) {
        painter.setClipRect(area);
        painter.setPen(palette().color(group, QPalette::Text));
        const qreal x = std::round(left + cursorX);
        painter.drawLine(QPointF(x, baseline - layout.ascent()),
                         QPointF(x, baseline - layout.ascent() + layout.height()));
    }
}

void FormulaField::keyPressEvent(QKeyEvent* event)
{
    if (event->text() == QLatin1String("*") && !isReadOnly()) {
        insert(QString(QChar(adductDot)));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

int FormulaField::indexAtMouse(const QMouseEvent& event) const
{
    const FormulaText layout = layoutOf(text(), font());
    return static_cast<int>(layout.indexAt(event.position().x() - textArea().left() + m_scroll));
}

void FormulaField::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_dragAnchor = indexAtMouse(*event);
    setCursorPosition(m_dragAnchor);
    emit clicked();
}

void FormulaField::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    setSelection(m_dragAnchor, indexAtMouse(*event) - m_dragAnchor);
}

void FormulaField::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        selectAll();
}
