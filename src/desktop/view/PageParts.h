#pragma once

#include "desktop/view/Bindings.h"

class DesktopUser;
class frm_AppMain;
class QGridLayout;
class QLabel;
class QVBoxLayout;

// What a page's view is built from: the window model, the bindings that keep the widgets and the model
// together, and the user's avatar look.
struct PageContext {
    frm_AppMain& model;
    Bindings& bind;
    const DesktopUser& user;
};

// The parts every page is made of. Texts given here are the page's fixed texts, shown exactly.

// The column of a page card, with the card's margins.
QVBoxLayout& pageColumn(QWidget& frame);
// A title bar over a group of rows.
void addTitle(QVBoxLayout& column, const QString& text);
// A hint in italics under a title.
void addHint(QVBoxLayout& column, const QString& text);
// A fixed text at the given point size.
QLabel& fixedLabel(QWidget& parent, const QString& text, double pointSize, bool bold = false);

// A grid for rows: the task text on the left, the answer on the right.
QGridLayout& addRowGrid(QVBoxLayout& column);

// A typed-answer row: the task text and its answer field, bound to their models.
struct AnswerRow {
    const Label& task;
    TextBox& field;
    QString fieldName; // the field's object name, e.g. "EleSym0"; the task's is "<name>_Aufgabe"
    Bindings::Handler click;
    Bindings::KeyPress keyPress;
};
void addAnswerRow(PageContext& page, QGridLayout& grid, const AnswerRow& row);
