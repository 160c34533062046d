#pragma once

#include <QDialog>

class FormulaField;
class FormulaLabel;
class QGridLayout;
class QLabel;

// The formula editor: the task on top, an edit line, a live preview with the counts as subscripts, a German
// hint while the text is no formula, and an on-screen pad (capitals and small letters, digits, brackets,
// the adduct dot, backspace). The keyboard works in the edit line too: "*" gives "·", Enter is OK, Escape
// is Abbrechen.
class FormulaEditorDialog final : public QDialog {
public:
    FormulaEditorDialog(QWidget* parent, const QString& prompt, const QString& formula);
    QString formula() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addLetterKeys(QGridLayout& grid);
    void addSignKeys(QGridLayout& grid);
    void showPreview();

    FormulaField* m_edit = nullptr;
    FormulaLabel* m_preview = nullptr;
    QLabel* m_hint = nullptr;
};

// Runs the editor modally: the edited formula, or the given one unchanged when the pupil cancelled.
QString editFormula(QWidget* parent, const QString& formula, const QString& prompt);
