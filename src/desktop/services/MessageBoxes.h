#pragma once

#include "components/Services.h"

#include <QMessageBox>

class QWidget;
class DesktopWindows;

// The pieces of every message box of the program: its text and title, and a button big enough for a child.
// Shown, a box takes the scale of the window it stands on (scaleEveryDialog).
void prepareMessageBox(QMessageBox& box, const QString& text, const QString& title);
QPushButton* addMessageButton(QMessageBox& box, const QString& text, QMessageBox::ButtonRole role);

// The program's message boxes: no icon, German buttons, plain text (nothing in the text is taken as
// markup), parented to and centred on the given window. An empty title shows the program's title.
void showOkMessage(QWidget* parent, const QString& text, const QString& title);
// true when "Ja" was chosen; Escape and closing the box mean "Nein".
bool askYesNo(QWidget* parent, const QString& text, const QString& title);

class DesktopNotices final : public NoticeService {
public:
    explicit DesktopNotices(const DesktopWindows& windows) : m_windows(windows) {}
    void ShowNotice(const QString& text, const QString& title) override;

private:
    const DesktopWindows& m_windows;
};
