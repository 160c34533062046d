#include "desktop/view/WidgetScaling.h"

#include <QGridLayout>
#include <QLayout>
#include <QSpacerItem>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* FactorKey = "koltestScaleFactor";
constexpr const char* FontKey = "koltestDesignPointSize";
constexpr const char* MinimumKey = "koltestDesignMinimumSize";
constexpr const char* MaximumKey = "koltestDesignMaximumSize";
constexpr const char* MarginsKey = "koltestDesignMargins";
constexpr const char* SpacingKey = "koltestDesignSpacing";
constexpr const char* ColumnsKey = "koltestDesignColumnWidths";

int scaled(int size, double factor)
{
    return static_cast<int>(std::lround(size * factor));
}

// A size scaled, leaving "no limit" as it is.
QSize scaledLimit(QSize size, double factor)
{
    const auto one = [factor](int length) {
        return length >= QWIDGETSIZE_MAX ? length : scaled(length, factor);
    };
    return {one(size.width()), one(size.height())};
}

// The design value stored on the object under key, stored from current first.
template <typename T> T designValue(QObject& object, const char* key, const T& current)
{
    QVariant stored = object.property(key);
    if (!stored.isValid()) {
        stored = QVariant::fromValue(current);
        object.setProperty(key, stored);
    }
    return stored.value<T>();
}

// Remembers the design values before any font changes, which children inherit from their parents.
void rememberDesign(QWidget& widget)
{
    designValue(widget, FontKey, widget.font().pointSizeF());
    designValue(widget, MinimumKey, widget.minimumSize());
    designValue(widget, MaximumKey, widget.maximumSize());
}

void scaleWidget(QWidget& widget, double factor)
{
    const double points = designValue(widget, FontKey, widget.font().pointSizeF());
    if (points > 0) {
        QFont font = widget.font();
        font.setPointSizeF(points * factor);
        if (widget.font() != font)
            widget.setFont(font);
    }
    const QSize minimum = scaledLimit(designValue(widget, MinimumKey, widget.minimumSize()), factor);
    const QSize maximum = scaledLimit(designValue(widget, MaximumKey, widget.maximumSize()), factor);
    if (widget.minimumSize() != minimum)
        widget.setMinimumSize(minimum);
    if (widget.maximumSize() != maximum)
        widget.setMaximumSize(maximum);
}

void scaleLayout(QLayout& layout, double factor)
{
    const QMargins margins = designValue(layout, MarginsKey, layout.contentsMargins());
    layout.setContentsMargins(scaled(margins.left(), factor), scaled(margins.top(), factor),
                              scaled(margins.right(), factor), scaled(margins.bottom(), factor));
    if (auto* grid = qobject_cast<QGridLayout*>(&layout)) {
        const QSize spacing =
            designValue(layout, SpacingKey, QSize(grid->horizontalSpacing(), grid->verticalSpacing()));
        grid->setHorizontalSpacing(scaled(spacing.width(), factor));
        grid->setVerticalSpacing(scaled(spacing.height(), factor));
        QVariantList columns;
        for (int column = 0; column < grid->columnCount(); ++column)
            columns << grid->columnMinimumWidth(column);
        columns = designValue(layout, ColumnsKey, columns);
        for (int column = 0; column < columns.size(); ++column)
            grid->setColumnMinimumWidth(column, scaled(columns[column].toInt(), factor));
    } else {
        const int spacing = designValue(layout, SpacingKey, layout.spacing());
        if (spacing >= 0)
            layout.setSpacing(scaled(spacing, factor));
    }
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (QSpacerItem* spacer = item->spacerItem()) {
            // Fixed spacers (addSpacing) scale; stretches grow by themselves.
            const QSizePolicy policy = spacer->sizePolicy();
            const bool fixedWidth = policy.horizontalPolicy() == QSizePolicy::Fixed;
            const bool fixedHeight = policy.verticalPolicy() == QSizePolicy::Fixed;
            if (!fixedWidth && !fixedHeight)
                continue;
            // Spacers are no objects of their own: their design size is kept on the layout.
            const QString key = QStringLiteral("koltestDesignSpacer%1").arg(i);
            const QSize size = designValue(layout, key.toLatin1().constData(), spacer->sizeHint());
            spacer->changeSize(scaled(size.width(), factor), scaled(size.height(), factor),
                               policy.horizontalPolicy(), policy.verticalPolicy());
        } else if (QLayout* inner = item->layout()) {
            scaleLayout(*inner, factor);
        }
    }
    layout.invalidate();
}

} // namespace

void scaleWidgetTree(QWidget& root, double factor)
{
    const QVariant last = root.property(FactorKey);
    if (last.isValid() && qFuzzyCompare(last.toDouble(), factor))
        return;
    root.setProperty(FactorKey, factor);
    QList<QWidget*> children = root.findChildren<QWidget*>();
    // Dialogs and popups have sizes of their own.
    children.removeIf([](const QWidget* child) { return child->isWindow(); });
    rememberDesign(root);
    for (QWidget* child : children)
        rememberDesign(*child);
    scaleWidget(root, factor);
    if (QLayout* layout = root.layout())
        scaleLayout(*layout, factor);
    for (QWidget* child : children) {
        scaleWidget(*child, factor);
        if (QLayout* layout = child->layout())
            scaleLayout(*layout, factor);
    }
}

double teacherWindowScale(const QWidget& window)
{
    return std::max(1.0, std::min(double(window.width()) / TeacherWindowWidth,
                                  double(window.height()) / TeacherWindowHeight));
}
