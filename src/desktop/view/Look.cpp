#include "desktop/view/Look.h"

#include "desktop/view/DialogScaling.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// A length in lines of the widget's text.
int lines(const QWidget& widget, double count)
{
    return static_cast<int>(std::lround(widget.fontMetrics().height() * count));
}

// Radio and check indicators as tall as a line of their button's text, scroll bars and the arrows of trees
// nearly so, so that they grow with the text wherever it is scaled: on a whiteboard a finger still hits them.
class IndicatorStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int natural = QProxyStyle::pixelMetric(metric, option, widget);
        if (!widget)
            return natural;
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            return lines(*widget, 1.1);
        case PM_ScrollBarExtent:
            return std::max(natural, lines(*widget, 0.9));
        case PM_ScrollBarSliderMin:
            return std::max(natural, lines(*widget, 1.5));
        default:
            return natural;
        }
    }

    // The open or closed arrow of a tree's branch, half a line of the tree's text wide.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_IndicatorBranch || !(option->state & State_Children) || !widget) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const double size = lines(*widget, 0.5);
        const QPointF centre = QRectF(option->rect).center();
        const bool open = option->state & State_Open;
        const QPolygonF arrow =
            open ? QPolygonF({centre + QPointF(-size / 2, -size / 4), centre + QPointF(size / 2, -size / 4),
                              centre + QPointF(0, size / 4)})
                 : QPolygonF({centre + QPointF(-size / 4, -size / 2), centre + QPointF(-size / 4, size / 2),
                              centre + QPointF(size / 4, 0)});
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(option->palette.color(option->state & State_Selected ? QPalette::HighlightedText
                                                                               : QPalette::WindowText));
        painter->drawPolygon(arrow);
        painter->restore();
    }

    // The whole option takes a click, also the blank beside its caption: easy to hit with a finger.
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        if (element == SE_RadioButtonClickRect || element == SE_CheckBoxClickRect)
            return option->rect;
        return QProxyStyle::subElementRect(element, option, widget);
    }
};

} // namespace

namespace look {

QFont sized(const QFont& font, double pointSize, bool bold)
{
    QFont result = font;
    result.setPointSizeF(pointSize);
    result.setBold(bold);
    return result;
}

void applyApplicationLook(QApplication& application)
{
    // Fusion looks alike everywhere and honours the palette colours the judging gives the fields.
    application.setStyle(new IndicatorStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    scaleEveryDialog(application);
    application.setFont(sized(QApplication::font(), BasePointSize));
    application.setStyleSheet(QStringLiteral(
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #E1EAF6);"
        "  border: 1px solid #7A9CC6; border-radius: 8px; padding: 6px 14px; color: #17375E; }"
        "QPushButton:hover { background: #FFFFFF; border-color: #1F4E8C; }"
        "QPushButton:pressed, QPushButton:checked { background: #C9DAF0; }"
        "QPushButton:focus { border: 2px solid #F5A623; }"
        // A dialog's default button changes with the focus: a bold face there would outgrow the button's
        // width, which Qt computes for the regular face.
        "QPushButton#but_OK, QPushButton#but_Next { font-weight: bold; }"
        "QPushButton#but_OK, QPushButton#but_Next, QDialog QPushButton:default { color: white;"
        "  border-color: #1B6E2A;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4CBF5C, stop:1 #2E9440); }"
        "QPushButton#but_OK:hover, QPushButton#but_Next:hover, QDialog QPushButton:default:hover"
        "  { background: #4CBF5C; }"
        "QPushButton#but_OK:focus, QPushButton#but_Next:focus, QDialog QPushButton:default:focus"
        "  { border: 2px solid #F5A623; }"));
}

} // namespace look
