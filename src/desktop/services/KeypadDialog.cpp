#include "desktop/services/KeypadDialog.h"

#include "desktop/tools/PadKey.h"
#include "desktop/view/DialogScaling.h"
#include "desktop/widgets/ShortcutTyping.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int KeySize = 56; // comfortably above 48 logical pixels for a child's finger

const QString backspaceLabel = QStringLiteral("⌫");

QFont scaled(QFont font, double factor)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

} // namespace

KeypadDialog::KeypadDialog(QWidget* parent, KeypadKind kind, const QString& prompt, const QString& text)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Bildschirmtastatur"));
    auto* layout = new QVBoxLayout(this);

    addPadPrompt(*layout, prompt);

    m_edit = new QLineEdit(text, this);
    m_edit->setFont(scaled(font(), 1.5));
    m_edit->setAccessibleName(prompt);
    m_edit->setMinimumHeight(KeySize);
    refuseShortcutTyping(*m_edit);
    layout->addWidget(m_edit);

    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    if (kind == KeypadKind::Text)
        buildTextKeys(*grid);
    else
        buildNumberKeys(*grid);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    for (QPushButton* button : {cancel, ok}) {
        button->setMinimumSize(140, KeySize);
        button->setFocusPolicy(Qt::NoFocus); // the edit line keeps the keyboard
        buttons->addWidget(button);
    }
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);

    scaleDialog(*this);
    m_edit->setFocus();
}

QString KeypadDialog::text() const
{
    return m_edit->text();
}

QPushButton* KeypadDialog::addKey(const QString& label, const QString& accessibleName)
{
    auto* key = new QPushButton(label, this);
    key->setMinimumSize(KeySize, KeySize);
    key->setFont(scaled(font(), 1.3));
    key->setFocusPolicy(Qt::NoFocus);
    key->setAutoDefault(false);
    if (!accessibleName.isEmpty())
        key->setAccessibleName(accessibleName);
    return key;
}

QPushButton* KeypadDialog::addTypingKey(const QString& characters, const QString& accessibleName)
{
    QPushButton* key = addKey(characters, accessibleName);
    connect(key, &QPushButton::clicked, this, [this, key] { type(key->text()); });
    return key;
}

void KeypadDialog::buildTextKeys(QGridLayout& grid)
{
    // Two grid columns per key, so that the rows can be offset by half a key as on a keyboard: the digits
    // on top, then the letters, each row of them one column further in.
    const QString& digits = keypad::textDigits;
    for (int i = 0; i < digits.size(); ++i)
        grid.addWidget(addTypingKey(QString(digits[i])), 0, 2 * i, 1, 2);
    const QStringList& letterRows = keypad::textLetterRows;
    for (int row = 0; row < letterRows.size(); ++row) {
        const QString& letters = letterRows[row];
        for (int i = 0; i < letters.size(); ++i) {
            QPushButton* key = addTypingKey(QString(letters[i]));
            m_letterKeys << key;
            grid.addWidget(key, row + 1, row + 2 * i, 1, 2);
        }
    }
    m_shiftKey = addKey(QStringLiteral("⇧"), QStringLiteral("Großbuchstabe"));
    m_shiftKey->setCheckable(true);
    connect(m_shiftKey, &QPushButton::clicked, this, &KeypadDialog::toggleShift);
    grid.addWidget(m_shiftKey, 3, 0, 1, 2);

    QPushButton* backspace = addKey(backspaceLabel, QStringLiteral("Löschen"));
    connect(backspace, &QPushButton::clicked, m_edit, &QLineEdit::backspace);
    grid.addWidget(backspace, 3, 18, 1, 4);

    // The bottom row: the signs of names, the brackets left of the blank and the hyphen right of it.
    grid.addWidget(addTypingKey(QStringLiteral(" "), QStringLiteral("Leerzeichen")), 4, 4, 1, 14);
    const QString& signs = keypad::textSigns;
    for (int i = 0; i < signs.size(); ++i) {
        const QString sign(signs[i]);
        const bool hyphen = sign == QLatin1String("-");
        const int column = hyphen ? 18 : 2 * i;
        grid.addWidget(addTypingKey(sign, hyphen ? QStringLiteral("Bindestrich") : padSignName(sign)), 4,
                       column, 1, 2);
    }
}

void KeypadDialog::buildNumberKeys(QGridLayout& grid)
{
    addDigitBlock(grid, keypad::numberBlock, 0,
                  [this](const QString& sign) { return addTypingKey(sign, padSignName(sign)); });
    QPushButton* backspace = addKey(backspaceLabel, QStringLiteral("Löschen"));
    connect(backspace, &QPushButton::clicked, m_edit, &QLineEdit::backspace);
    grid.addWidget(backspace, 0, 3);
}

void KeypadDialog::type(const QString& characters)
{
    m_edit->insert(characters);
    if (m_shift)
        toggleShift(); // the shift key holds for one letter, as on a phone
}

void KeypadDialog::toggleShift()
{
    m_shift = !m_shift;
    showLetterCase();
}

void KeypadDialog::showLetterCase()
{
    m_shiftKey->setChecked(m_shift);
    for (QPushButton* key : m_letterKeys) {
        const QChar letter = key->text().at(0);
        // ß has no capital of its own on a German keyboard and stays as it is.
        key->setText(QString(m_shift && letter != QChar(0x00DF) ? letter.toUpper() : letter.toLower()));
    }
}
