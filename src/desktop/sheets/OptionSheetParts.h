#pragma once

#include "desktop/view/PageParts.h"

class QAbstractButton;

// What the two choice sheets (charge numbers, yes/no) build their rows from.

// The task text of a row, bold in the task size, bound to its model; it takes the row's verdict colour.
QLabel& optionTaskLabel(QWidget& frame, PageContext& page, const Label& task, const QString& objectName);

// A checkable option in the task size, bound to its model. Its accessible name is the row's task and what
// the option stands for (e.g. "Na+: +1"), kept up to date with the task.
QAbstractButton& optionButton(QWidget& frame, PageContext& page, const OptionButton& model, const Label& task,
                              const QString& meaning, const QString& objectName, Bindings::Handler click,
                              Bindings::KeyPress keyPress = {});
