#include "desktop/services/DesktopDialogs.h"

#include "app/Main.h"
#include "desktop/Diagnostics.h"
#include "desktop/services/DesktopWindows.h"
#include "desktop/services/KeypadDialog.h"
#include "desktop/tools/FormulaEditorDialog.h"
#include "desktop/tools/HelpText.h"

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
    if (!m_help) {
        const QString folder = m_folders.DataFolder();
        const HelpPage page = readHelpPage(folder + HelpFileName, programVersion());
        if (!page.error.isEmpty()) {
            writeDiagnostic(QStringLiteral("Die Hilfe %1 lässt sich nicht lesen: %2")
                                .arg(folder + HelpFileName, page.error));
            m_notices.ShowNotice(QStringLiteral("Die Hilfe kann nicht angezeigt werden: Die Datei „%1“ im "
                                                "Datenordner lässt sich nicht lesen. %2")
                                     .arg(HelpFileName, page.error),
                                 QString());
            return;
        }
        // The help stands on the main window, never on a dialog that may close before it.
        m_help = new HelpWindow(m_windows.mainWindow(), page.html, folder);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->bringToFront();
}
