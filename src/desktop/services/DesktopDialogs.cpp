#include "desktop/services/DesktopDialogs.h"

#include "desktop/services/DesktopWindows.h"
#include "desktop/services/KeypadDialog.h"
#include "desktop/services/MessageBoxes.h"
#include "desktop/tools/FormulaEditorDialog.h"

namespace {

void runKeypad(QWidget* parent, KeypadKind kind, TextBox& field, const QString& prompt)
{
    KeypadDialog keypad(parent, kind, prompt, field.Text);
    if (keypad.exec() == QDialog::Accepted)
        field.Text = keypad.text();
}

} // namespace

void DesktopDialogs::ShowNumberPad(TextBox& field, const QString& prompt)
{
    runKeypad(m_windows.dialogParent(), KeypadKind::Number, field, prompt);
}

void DesktopDialogs::ShowTextPad(TextBox& field, const QString& prompt)
{
    runKeypad(m_windows.dialogParent(), KeypadKind::Text, field, prompt);
}

QString DesktopDialogs::EditTerm(const QString& term, const QString& prompt)
{
    return editFormula(m_windows.dialogParent(), term, prompt);
}

void DesktopDialogs::ShowHelp()
{
    noticeUnavailable(m_notices);
}
