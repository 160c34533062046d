#pragma once

#include <QString>

class QPushButton;
class QVBoxLayout;
class QWidget;

// Keys of the on-screen pads: comfortably above 48 logical pixels for a child's finger.
inline constexpr int padKeySize = 56;

// A pad key that never takes the keyboard focus, so the pad's edit line or display keeps it, and that is
// no default button, so Enter stays with the dialog. The accessible name is for keys showing a sign.
// The prompt over a pad dialog: the task it helps with, big, centred and wrapped, as plain text.
void addPadPrompt(QVBoxLayout& layout, const QString& prompt);

QPushButton* makePadKey(QWidget* parent, const QString& label, const QString& accessibleName = QString(),
                        int size = padKeySize);
