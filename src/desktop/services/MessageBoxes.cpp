#include "desktop/services/MessageBoxes.h"

#include "desktop/services/AppInfo.h"
#include "desktop/services/DesktopWindows.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

void prepare(QMessageBox& box, const QString& text, const QString& title)
{
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setWindowTitle(title.isEmpty() ? programTitle() : title);
}

QPushButton* addButton(QMessageBox& box, const QString& text, QMessageBox::ButtonRole role)
{
    QPushButton* button = box.addButton(text, role);
    button->setMinimumSize(110, 44); // easy to hit for a child
    return button;
}

} // namespace

void showOkMessage(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(parent);
    prepare(box, text, title);
    QPushButton* ok = addButton(box, QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(parent);
    prepare(box, text, title);
    QPushButton* yes = addButton(box, QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = addButton(box, QStringLiteral("Nein"), QMessageBox::NoRole);
    // Every question of the program ends or restarts a test on "Ja": a stray Enter must not do that.
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void DesktopNotices::ShowNotice(const QString& text, const QString& title)
{
    showOkMessage(m_windows.dialogParent(), text, title);
}
