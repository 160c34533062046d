#pragma once

#include "components/Keypads.h"

#include <QString>

#include <functional>

class QGridLayout;
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

// The accessible name of a pad key that shows a sign ("·", "(", ")", "-"); empty for a digit or letter.
QString padSignName(const QString& sign);

// Lays out a block of digit keys from column firstColumn on: its rows, "0" two columns wide, and its side
// signs in the fourth column from row 1 on (row 0 is left for the pad's backspace key). makeKey makes the
// key that types the character it is given.
void addDigitBlock(QGridLayout& grid, const keypad::DigitBlock& block, int firstColumn,
                   const std::function<QPushButton*(const QString&)>& makeKey);
