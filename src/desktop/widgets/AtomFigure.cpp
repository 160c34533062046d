#include "desktop/widgets/AtomFigure.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

// The figure is drawn in a square of 200 x 200 units, centred in the widget and scaled to fit.

namespace {

constexpr double Unit = 200;
constexpr QPointF Centre(100, 100);

enum Mood { Beaming = 2, Happy = 1, Content = 5, Unsure = 6, Sad = 3 };

const QColor Outline(0x17, 0x37, 0x5E);
const QColor NucleusLight(0xFF, 0xB8, 0x4D);
const QColor NucleusDark(0xF0, 0x7A, 0x1E);
const QColor Orbit(0x3A, 0x7B, 0xC8);
const QColor Electron(0x1F, 0x9E, 0xD8);
const QColor Cheek(0xFF, 0x6F, 0x61, 120);
const QColor Tear(0x5B, 0xB8, 0xF0);
const QColor Star(0xFF, 0xD2, 0x3F);

QPainterPath starPath(QPointF centre, double radius)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = i % 2 == 0 ? radius : radius * 0.45;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// An arc from left to right through a middle point that lies bend units below the ends (above when
// negative): a smile or a frown.
QPainterPath curve(QPointF left, QPointF right, double bend)
{
    QPainterPath path(left);
    path.quadTo(QPointF((left.x() + right.x()) / 2, left.y() + 2 * bend), right);
    return path;
}

} // namespace

QString atomMoodText(int expression)
{
    switch (expression) {
    case Beaming:
        return QStringLiteral("Das Atom strahlt vor Freude, Sterne funkeln.");
    case Happy:
        return QStringLiteral("Das Atom lacht fröhlich.");
    case Content:
        return QStringLiteral("Das Atom lächelt zufrieden.");
    case Unsure:
        return QStringLiteral("Das Atom schaut unsicher.");
    case Sad:
        return QStringLiteral("Das Atom ist traurig.");
    default:
        return QStringLiteral("Das Atom.");
    }
}

AtomFigure::AtomFigure(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Atom"));
    setAccessibleDescription(atomMoodText(m_expression));
}

void AtomFigure::setExpression(int expression)
{
    if (m_expression == expression)
        return;
    m_expression = expression;
    setAccessibleDescription(atomMoodText(expression));
    update();
}

void AtomFigure::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    painter.translate((width() - side) / 2, (height() - side) / 2);
    painter.scale(side / Unit, side / Unit);

    paintOrbits(painter);
    QRadialGradient nucleus(QPointF(88, 86), 56);
    nucleus.setColorAt(0, NucleusLight);
    nucleus.setColorAt(1, NucleusDark);
    painter.setPen(QPen(Outline, 2.5));
    painter.setBrush(nucleus);
    painter.drawEllipse(Centre, 46, 46);
    paintFace(painter);
    if (m_expression == Beaming)
        paintStars(painter);
}

void AtomFigure::paintOrbits(QPainter& painter) const
{
    // Three tilted orbits, each with one electron; the electrons sit further along on a better result.
    const std::array<double, 3> tilts = {0, 60, 120};
    const double along = m_expression == Sad ? 200 : 20;
    for (std::size_t i = 0; i < tilts.size(); ++i) {
        painter.save();
        painter.translate(Centre);
        painter.rotate(tilts[i]);
        painter.setPen(QPen(Orbit, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(0, 0), 92, 32);
        const double angle = (along + 110.0 * static_cast<double>(i)) * std::numbers::pi / 180;
        painter.setPen(QPen(Outline, 1.5));
        painter.setBrush(Electron);
        painter.drawEllipse(QPointF(92 * std::cos(angle), 32 * std::sin(angle)), 9, 9);
        painter.restore();
    }
}

void AtomFigure::paintFace(QPainter& painter) const
{
    const QPointF leftEye(84, 90);
    const QPointF rightEye(116, 90);
    QPen ink(Outline, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(ink);

    // Eyes: closed happy arcs when beaming, else round eyes with a shine.
    if (m_expression == Beaming) {
        painter.setBrush(Qt::NoBrush);
        for (const QPointF eye : {leftEye, rightEye})
            painter.drawPath(curve(eye + QPointF(-8, 3), eye + QPointF(8, 3), -7));
    } else {
        for (const QPointF eye : {leftEye, rightEye}) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawEllipse(eye, 8.5, 10);
            painter.setBrush(Outline);
            const QPointF look = m_expression == Unsure ? QPointF(3, -2) : QPointF(0, 1);
            painter.drawEllipse(eye + look, 4.5, 5.5);
            painter.setBrush(Qt::white);
            painter.drawEllipse(eye + look + QPointF(1.5, -2), 1.5, 1.5);
        }
        painter.setPen(ink);
    }

    // Cheeks for the good results.
    if (m_expression == Beaming || m_expression == Happy || m_expression == Content) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Cheek);
        painter.drawEllipse(QPointF(72, 108), 7, 4.5);
        painter.drawEllipse(QPointF(128, 108), 7, 4.5);
        painter.setPen(ink);
    }

    painter.setBrush(Qt::NoBrush);
    switch (m_expression) {
    case Beaming: {
        // A wide open laugh.
        QPainterPath mouth(QPointF(80, 108));
        mouth.quadTo(QPointF(100, 140), QPointF(120, 108));
        mouth.closeSubpath();
        painter.setBrush(QColor(0x9C, 0x27, 0x2E));
        painter.drawPath(mouth);
        painter.setBrush(Qt::white);
        painter.setPen(Qt::NoPen);
        painter.drawRect(QRectF(86, 109, 28, 5));
        break;
    }
    case Happy:
        painter.drawPath(curve(QPointF(82, 110), QPointF(118, 110), 11));
        break;
    case Content:
        painter.drawPath(curve(QPointF(88, 114), QPointF(112, 114), 5));
        break;
    case Unsure:
        // A wavy mouth and one raised brow.
        {
            QPainterPath mouth(QPointF(86, 118));
            mouth.cubicTo(QPointF(93, 112), QPointF(100, 124), QPointF(114, 115));
            painter.drawPath(mouth);
            painter.drawLine(QPointF(76, 76), QPointF(90, 77));
            painter.drawPath(curve(QPointF(108, 74), QPointF(124, 72), -4));
        }
        break;
    case Sad:
        painter.drawPath(curve(QPointF(84, 122), QPointF(116, 122), -9));
        // Brows raised towards the middle: sad, not cross.
        painter.drawLine(QPointF(76, 80), QPointF(90, 74));
        painter.drawLine(QPointF(110, 74), QPointF(124, 80));
        {
            // A tear below the left eye.
            QPainterPath tear(QPointF(74, 100));
            tear.quadTo(QPointF(68, 112), QPointF(74, 114));
            tear.quadTo(QPointF(80, 112), QPointF(74, 100));
            painter.setPen(Qt::NoPen);
            painter.setBrush(Tear);
            painter.drawPath(tear);
        }
        break;
    default:
        painter.drawLine(QPointF(88, 116), QPointF(112, 116));
        break;
    }
}

void AtomFigure::paintStars(QPainter& painter) const
{
    painter.setPen(QPen(QColor(0xC8, 0x8A, 0x00), 1.5));
    painter.setBrush(Star);
    for (const auto& [x, y, r] : {std::array<double, 3>{22, 24, 13}, std::array<double, 3>{176, 30, 15},
                                  std::array<double, 3>{180, 170, 11}, std::array<double, 3>{26, 174, 10}})
        painter.drawPath(starPath(QPointF(x, y), r));
}
