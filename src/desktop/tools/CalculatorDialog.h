#pragma once

#include <QDialog>

class QGridLayout;
class QLabel;
class QPushButton;

// The calculator: the task on top, a display, big keys (digits, decimal comma, + − × ÷, brackets, ±,
// C and ←, "="), "Abbrechen" and "Übernehmen"; without a prompt (no field to fill) only "Schließen". The keyboard works too: comma or point, * / : for × ÷,
// Enter is "=", Backspace is ←, Delete is C, Escape is Abbrechen. A wrong expression shows a German hint
// in the display, never a number.
class CalculatorDialog final : public QDialog {
public:
    CalculatorDialog(QWidget* parent, const QString& prompt);

    // The value taken with "Übernehmen".
    double value() const { return m_value; }
    // What the display shows.
    QString displayText() const;

    // Does what the key with this label does ("7", ",", "×", "±", "C", "←", "=", …).
    void press(const QString& key);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* addButton(const QString& caption);
    void addKeys(QGridLayout& grid);
    void calculate();
    void take();
    void showExpression();

    QLabel* m_history = nullptr;
    QLabel* m_display = nullptr;
    QString m_expression;
    QString m_error;
    bool m_showsResult = false; // the expression is a result: a digit starts a new one
    double m_value = 0;
};

// Runs the calculator modally: the value taken, or ToolsService::NoResult when the pupil cancelled.
double runCalculator(QWidget* parent, const QString& prompt);
