#pragma once

#include <functional>

class QWidget;

// Runs action when the left mouse button goes down on the widget, instead of the widget's own handling
// of the press. Lives as long as the widget.
void onPress(QWidget& widget, std::function<void()> action);

// Runs action when Return or Enter is pressed while the widget has the focus, instead of the widget's own
// handling of the key. Lives as long as the widget.
void onEnter(QWidget& widget, std::function<void()> action);
