#include "desktop/widgets/Frames.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>
#include <numbers>

void paintGradient(QPainter& painter, const Gradient& gradient)
{
    if (!gradient.isSet())
        return;
    const QRectF area(gradient.left, gradient.top, gradient.width, gradient.height);
    const double radians = gradient.angle * std::numbers::pi / 180.0;
    const QPointF direction(std::cos(radians) * area.width() / 2, std::sin(radians) * area.height() / 2);
    QLinearGradient linear(area.center() - direction, area.center() + direction);
    linear.setColorAt(0, QColor::fromRgb(gradient.from));
    linear.setColorAt(1, QColor::fromRgb(gradient.to));
    painter.fillRect(area, linear);
}

void GradientFrame::setGradient(const Gradient& gradient)
{
    if (gradient == m_gradient)
        return;
    m_gradient = gradient;
    update();
}

void GradientFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintGradient(painter, m_gradient);
}

void CardFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1F, 0x4E, 0x8C, 90), 1.5));
    painter.setBrush(QColor(0xFB, 0xFC, 0xFF));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 14, 14);
}
