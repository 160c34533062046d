#include "desktop/RunningWindow.h"

#include "support/CatalogueBuilder.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

void typeInto(QWidget* widget, const QString& text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

void press(QDialog& dialog, const QString& key, Qt::CaseSensitivity captionCase)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text().compare(key, captionCase) == 0 || button->accessibleName() == key) {
            button->click();
            return;
        }
    QFAIL(qPrintable(QStringLiteral("no key %1").arg(key)));
}

ModalGuard::ModalGuard()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto* box = qobject_cast<QMessageBox*>(dialog);
        m_seen << (box ? box->text() : dialog->windowTitle());
        if (inspect)
            inspect(*dialog);
        dialog->done(QDialog::Rejected);
    });
    m_timer.start(50);
}

RunningWindow::RunningWindow()
{
    services.root.SetCommandLine(commandLine.text());
    ResetTestRun(state);
    state.g_CatalogFile = QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat");
    if (!QFile::exists(state.g_CatalogFile)) {
        state.g_CatalogFile = dir.filePath(QStringLiteral("koltest.dat"));
        writeWhole(state.g_CatalogFile, smallCatalogue());
    }
    services.windows.attach(model, view);
    platform.setActiveView(&view);
    view.handle([this] { model.Form_Load(); });
}

void RunningWindow::clickWhenShown(const QString& button) const
{
    QTRY_VERIFY(find(button)->isVisible());
    QTest::mouseClick(find(button), Qt::LeftButton);
}

void RunningWindow::showPage(int page)
{
    view.handle([this, page] {
        model.PresentPage(page);
        model.ShowPage(page);
    });
}
