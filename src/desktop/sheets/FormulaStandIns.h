#pragma once

class QLabel;
class QLineEdit;
class QWidget;

// The widgets that show formulas on the number and substance pages. Plain text widgets stand in for the
// formula label and the formula field (digits lowered) until those widgets are part of the program; only
// these two functions change then.

// A formula label at the given point size.
QLabel& newFormulaLabel(QWidget& parent, double pointSize);
// A formula input field at the task size.
QLineEdit& newFormulaField(QWidget& parent);
