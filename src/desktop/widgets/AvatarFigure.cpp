#include "desktop/widgets/AvatarFigure.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace {

struct Look {
    QColor liquid;
    enum Extra { Bubbles, Glasses, Bow, Cap } extra;
};

const std::array<Look, 4> looks = {{
    {QColor(0x4C, 0xC2, 0x5A), Look::Bubbles},
    {QColor(0x3D, 0x8B, 0xE0), Look::Glasses},
    {QColor(0xEC, 0x6F, 0xB3), Look::Bow},
    {QColor(0xF5, 0x9E, 0x2E), Look::Cap},
}};

// The flask's glass in a 100 x 100 box: a narrow neck on a wide body with rounded bottom corners.
QPainterPath flaskOutline()
{
    QPainterPath path;
    path.moveTo(41, 14);
    path.lineTo(41, 38);
    path.lineTo(16, 80);
    path.quadTo(12, 92, 26, 92);
    path.lineTo(74, 92);
    path.quadTo(88, 92, 84, 80);
    path.lineTo(59, 38);
    path.lineTo(59, 14);
    path.closeSubpath();
    return path;
}

void drawExtra(QPainter& painter, Look::Extra extra, const QColor& liquid)
{
    painter.setPen(QPen(QColor(0x26, 0x32, 0x38), 2.5));
    switch (extra) {
    case Look::Bubbles:
        painter.setBrush(liquid.lighter(150));
        painter.drawEllipse(QPointF(50, 4), 4, 4);
        painter.drawEllipse(QPointF(58, -4), 3, 3);
        painter.drawEllipse(QPointF(46, -9), 2.5, 2.5);
        break;
    case Look::Glasses:
        painter.setBrush(QColor(255, 255, 255, 90));
        painter.drawEllipse(QPointF(40, 64), 8, 8);
        painter.drawEllipse(QPointF(60, 64), 8, 8);
        painter.drawLine(QPointF(48, 64), QPointF(52, 64));
        break;
    case Look::Bow: {
        painter.setBrush(QColor(0xE5, 0x39, 0x35));
        QPainterPath bow;
        bow.moveTo(50, 26);
        bow.lineTo(36, 18);
        bow.lineTo(36, 34);
        bow.closeSubpath();
        bow.moveTo(50, 26);
        bow.lineTo(64, 18);
        bow.lineTo(64, 34);
        bow.closeSubpath();
        painter.drawPath(bow);
        painter.drawEllipse(QPointF(50, 26), 3.5, 3.5);
        break;
    }
    case Look::Cap:
        painter.setBrush(QColor(0x26, 0x32, 0x38));
        painter.drawPolygon(QPolygonF({QPointF(50, 0), QPointF(74, 7), QPointF(50, 14), QPointF(26, 7)}));
        painter.drawLine(QPointF(70, 8), QPointF(72, 20));
        painter.setBrush(QColor(0xFF, 0xD5, 0x4F));
        painter.drawEllipse(QPointF(72, 21), 2.5, 2.5);
        break;
    }
}

void drawFlask(QPainter& painter, const Look& look)
{
    const QPainterPath glass = flaskOutline();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE3, 0xF2, 0xFD, 230));
    painter.drawPath(glass);

    // The liquid fills the body from a gently waving surface down.
    QPainterPath liquid;
    liquid.moveTo(0, 54);
    liquid.cubicTo(30, 48, 70, 60, 100, 52);
    liquid.lineTo(100, 100);
    liquid.lineTo(0, 100);
    liquid.closeSubpath();
    painter.setBrush(look.liquid);
    painter.drawPath(glass.intersected(liquid));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x26, 0x32, 0x38), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(glass);
    painter.drawLine(QPointF(37, 14), QPointF(63, 14)); // the rim

    // A shine on the glass, then the face.
    painter.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(46, 20), QPointF(46, 34));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(40, 64), 6, 7);
    painter.drawEllipse(QPointF(60, 64), 6, 7);
    painter.setBrush(QColor(0x26, 0x32, 0x38));
    painter.drawEllipse(QPointF(41, 65), 3, 3.5);
    painter.drawEllipse(QPointF(61, 65), 3, 3.5);
    painter.setBrush(QColor(0xFF, 0x8A, 0x80, 160));
    painter.drawEllipse(QPointF(30, 76), 4.5, 3);
    painter.drawEllipse(QPointF(70, 76), 4.5, 3);
    painter.setPen(QPen(QColor(0x26, 0x32, 0x38), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(42, 68, 16, 12), 200 * 16, 140 * 16);

    drawExtra(painter, look.extra, look.liquid);
}

} // namespace

AvatarFigure::AvatarFigure(QWidget* parent, Placement placement) : QWidget(parent), m_placement(placement)
{
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QStringLiteral("Figur"));
    setToolTip(QStringLiteral("Klick mich an!"));
}

void AvatarFigure::setLook(int look)
{
    if (look == m_look)
        return;
    m_look = look;
    update();
}

void AvatarFigure::setName(const QString& name)
{
    if (name == m_name)
        return;
    m_name = name;
    update();
}

void AvatarFigure::setRefreshes(int refreshes)
{
    if (refreshes == m_refreshes)
        return;
    m_refreshes = refreshes;
    update();
}

void AvatarFigure::setNameEnd(int x)
{
    if (x == m_nameEnd)
        return;
    m_nameEnd = x;
    update();
}

QRectF AvatarFigure::figureArea() const
{
    const double side = std::min(width(), height());
    const double left = m_placement == Placement::Centred ? (width() - side) / 2 : 8;
    return QRectF(left, (height() - side) / 2, side, side);
}

QRectF AvatarFigure::nameArea() const
{
    if (m_placement != Placement::LeftWithName || m_name.isEmpty())
        return {};
    const QRectF figure = figureArea();
    QFont nameFont = font();
    nameFont.setBold(true);
    const double left = figure.right() + 8;
    const double textWidth = QFontMetricsF(nameFont).horizontalAdvance(m_name);
    return QRectF(left, 0, std::clamp(m_nameEnd - left, 0.0, textWidth + 8), height());
}

QString AvatarFigure::shownName() const
{
    QFont nameFont = font();
    nameFont.setBold(true);
    const QRectF area = nameArea();
    return QFontMetrics(nameFont).elidedText(m_name, Qt::ElideRight, static_cast<int>(area.width()));
}

void AvatarFigure::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (const QRectF names = nameArea(); !names.isEmpty()) {
        QFont nameFont = font();
        nameFont.setBold(true);
        painter.setFont(nameFont);
        painter.setPen(Qt::white);
        painter.drawText(names, Qt::AlignLeft | Qt::AlignVCenter, shownName());
    }
    const QRectF figure = figureArea();
    painter.translate(figure.topLeft());
    painter.scale(figure.width() / 100, figure.height() / 100);
    // The hat and bubbles reach above the flask: leave them room inside the box.
    painter.translate(10, 12);
    painter.scale(0.8, 0.8);
    drawFlask(painter, looks[static_cast<std::size_t>(m_look) % looks.size()]);
}

void AvatarFigure::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (event->button() == Qt::LeftButton && m_onClick &&
        (figureArea().contains(at) || nameArea().contains(at)))
        m_onClick();
    else
        QWidget::mousePressEvent(event);
}
