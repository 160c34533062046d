#include "desktop/widgets/TickMark.h"

#include <QPainter>
#include <QPainterPath>

TickMark::TickMark(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Richtig"));
}

void TickMark::paintEvent(QPaintEvent*)
{
    const double side = std::min(width(), height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((width() - side) / 2, (height() - side) / 2);
    painter.scale(side / 100, side / 100);
    QPainterPath check;
    check.moveTo(18, 52);
    check.lineTo(42, 76);
    check.lineTo(84, 24);
    painter.setPen(QPen(QColor(0x1B, 0x7F, 0x2A), 20, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(check);
    painter.setPen(QPen(QColor(0x3C, 0xC8, 0x4B), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(check);
}
