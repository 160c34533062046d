#pragma once

class FormulaField;
class FormulaLabel;
class QWidget;

// The formula widgets of the substance and molar-mass pages, at the pages' type sizes.

// A formula label at the given point size, bold like the task texts.
FormulaLabel& newFormulaLabel(QWidget& parent, double pointSize);
// A formula input field at the task size.
FormulaField& newFormulaField(QWidget& parent);
