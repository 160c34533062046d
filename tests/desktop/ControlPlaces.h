#pragma once

#include <QList>
#include <QRect>

class QWidget;

// The controls a pupil sees in an area: the outermost visible widgets that show or take something (a
// wheel's own arrows belong to the wheel).
QList<QWidget*> visibleControls(QWidget& area);

// Where the widget lies in its window.
QRect inWindow(QWidget& widget);
