#include "desktop/services/MessageBoxes.h"

#include "desktop/services/AppInfo.h"
#include "desktop/services/DesktopWindows.h"
#include "desktop/view/Look.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

void prepareMessageBox(QMessageBox& box, const QString& text, const QString& title)
{
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    // The text as big as the page's task texts; the box's label keeps a font of its own.
    box.setFont(look::sized(box.font(), look::TaskPointSize));
    for (QLabel* label : box.findChildren<QLabel*>())
        label->setFont(look::sized(label->font(), look::TaskPointSize));
    box.setWindowTitle(title.isEmpty() ? programTitle() : title);
}

QPushButton* addMessageButton(QMessageBox& box, const QString& text, QMessageBox::ButtonRole role)
{
    QPushButton* button = box.addButton(text, role);
    // Easy to hit for a child, and never narrower than its caption.
    button->setMinimumSize(std::max(110, button->sizeHint().width()), 44);
    return button;
}

void showOkMessage(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(parent);
    prepareMessageBox(box, text, title);
    QPushButton* ok = addMessageButton(box, QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(parent);
    prepareMessageBox(box, text, title);
    QPushButton* yes = addMessageButton(box, QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = addMessageButton(box, QStringLiteral("Nein"), QMessageBox::NoRole);
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
