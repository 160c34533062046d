#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QWidget;

// The controls a pupil sees in an area: the outermost visible widgets that show or take something (a
// wheel's own arrows belong to the wheel).
QList<QWidget*> visibleControls(QWidget& area);

// Where the widget lies in its window.
QRect inWindow(QWidget& widget);

// The first control that lies outside area (in window coordinates) or covers a later one, said in words;
// empty when every control has its own place inside.
QString misplaced(const QRect& area, const QList<QWidget*>& controls);

// The point size of a message box of Qt's own that stands on the window: the window's scale for dialogs.
double messageBoxPointSize(QWidget& window);
