#pragma once

#include "editing/RecordForm.h"

#include <QString>

#include <functional>

class QWidget;

// The input for one field of a record, of the kind the field needs: a line, the formula field with the
// formula editor, a charge chooser, Ja/Nein, or the list of variants. It starts with the field's text and
// calls onEdited with the field's new text after every change the teacher makes.
QWidget* makeFieldInput(const FieldForm& form, const QString& text,
                        const std::function<void(const QString&)>& onEdited);

// Puts a text into an input made above without reporting it as the teacher's edit.
void setFieldInputText(QWidget& input, const QString& text);
