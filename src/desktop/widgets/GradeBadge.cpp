#include "desktop/widgets/GradeBadge.h"

#include "testrun/GradeScale.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

QColor gradeColour(int band)
{
    if (band < 0 || band >= GradeBandCount)
        return QColor(0x9E, 0x9E, 0x9E);
    return QColor::fromHsv(120 * band / (GradeBandCount - 1), 200, 215);
}

GradeBadge::GradeBadge(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Aktueller Notenstand"));
}

void GradeBadge::setMark(const QString& text, int band)
{
    if (text == m_text && band == m_band)
        return;
    m_text = text;
    m_band = band;
    setAccessibleDescription(text);
    update();
}

void GradeBadge::paintEvent(QPaintEvent*)
{
    if (m_text.isEmpty())
        return;
    const double side = std::min(width(), height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(side / 100, side / 100);

    // A rosette: a ring of scallops around a disc, then a white middle for the grade.
    QPainterPath rosette;
    constexpr int Scallops = 14;
    for (int i = 0; i < Scallops; ++i) {
        const double angle = 2 * std::numbers::pi * i / Scallops;
        rosette.addEllipse(QPointF(40 * std::cos(angle), 40 * std::sin(angle)), 10, 10);
    }
    rosette.addEllipse(QPointF(0, 0), 42, 42);
    const QColor colour = gradeColour(m_band);
    painter.setPen(QPen(colour.darker(140), 2));
    painter.setBrush(colour);
    painter.drawPath(rosette.simplified());
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(0, 0), 31, 31);

    QFont big = font();
    big.setBold(true);
    big.setPixelSize(32);
    painter.setFont(big);
    painter.setPen(QColor(0x21, 0x21, 0x21));
    painter.drawText(QRectF(-31, -31, 62, 62), Qt::AlignCenter, m_text);
}
