#pragma once

#include "components/Keypads.h"

#include <QDialog>

class QGridLayout;
class QLineEdit;
class QPushButton;

// An on-screen keypad for one answer field, the text or the number pad: the task on top, an edit line that
// starts with the field's text, big keys, "OK" and "Abbrechen". The physical keyboard works in the edit
// line too: Enter is OK, Escape is Abbrechen.
class KeypadDialog final : public QDialog {
public:
    KeypadDialog(QWidget* parent, KeypadKind kind, const QString& prompt, const QString& text);
    QString text() const;

private:
    QPushButton* addKey(const QString& label, const QString& accessibleName = QString());
    QPushButton* addTypingKey(const QString& characters, const QString& accessibleName = QString());
    void buildTextKeys(QGridLayout& grid);
    void buildNumberKeys(QGridLayout& grid);
    void type(const QString& characters);
    void toggleShift();
    void showLetterCase();

    QLineEdit* m_edit = nullptr;
    QPushButton* m_shiftKey = nullptr;
    QList<QPushButton*> m_letterKeys;
    bool m_shift = false;
};
