#pragma once

#include "desktop/view/PageParts.h"

class ChoiceWheel;
class QGridLayout;

// The parts the two definition pages share.

// The grid of a definition page's rows, under the page's headings: each row's own widgets go into column 0,
// the row's tick and wrong-answer panel (markers firstMarker ..) stand right of them.
QGridLayout& addMarkedRows(QVBoxLayout& column, PageContext& context, int firstMarker, int rows);

// A task text of a row (a term or a definition), wrapping, bound to its model.
QLabel& addRowTask(PageContext& context, QWidget& frame, const Label& task, const QString& name, bool bold);

// A choice wheel bound to its model: turning it writes the model and runs select.
ChoiceWheel& addRowWheel(PageContext& context, QWidget& frame, Wheel& model, const Label& task,
                         const QString& name, Bindings::Select select, const QString& namePrefix = QString());
