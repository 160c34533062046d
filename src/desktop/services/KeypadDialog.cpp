#include "desktop/services/KeypadDialog.h"

#include "desktop/tools/PadKey.h"
#include "desktop/view/DialogScaling.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int KeySize = 56; // comfortably above 48 logical pixels for a child's finger

const QString backspaceLabel = QStringLiteral("⌫");

// The letters of a German keyboard, row by row; the first letter of each row starts one column further in.
const QStringList letterRows = {QStringLiteral("qwertzuiopü"), QStringLiteral("asdfghjklöä"),
                                QStringLiteral("yxcvbnmß")};

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

void KeypadDialog::buildTextKeys(QGridLayout& grid)
{
    // Two grid columns per key, so that the rows can be offset by half a key as on a keyboard.
    for (int row = 0; row < letterRows.size(); ++row) {
        const QString& letters = letterRows[row];
        for (int i = 0; i < letters.size(); ++i) {
            QPushButton* key = addKey(QString(letters[i]));
            connect(key, &QPushButton::clicked, this, [this, key] { type(key->text()); });
            m_letterKeys << key;
            grid.addWidget(key, row, row + 2 * i, 1, 2);
        }
    }
    m_shiftKey = addKey(QStringLiteral("⇧"), QStringLiteral("Großbuchstabe"));
    m_shiftKey->setCheckable(true);
    connect(m_shiftKey, &QPushButton::clicked, this, &KeypadDialog::toggleShift);
    grid.addWidget(m_shiftKey, 2, 0, 1, 2);

    QPushButton* blank = addKey(QStringLiteral(" "), QStringLiteral("Leerzeichen"));
    connect(blank, &QPushButton::clicked, this, [this] { type(QStringLiteral(" ")); });
    grid.addWidget(blank, 3, 4, 1, 14);

    QPushButton* backspace = addKey(backspaceLabel, QStringLiteral("Löschen"));
    connect(backspace, &QPushButton::clicked, m_edit, &QLineEdit::backspace);
    grid.addWidget(backspace, 2, 18, 1, 4);
}

void KeypadDialog::buildNumberKeys(QGridLayout& grid)
{
    const QStringList rows = {QStringLiteral("789"), QStringLiteral("456"), QStringLiteral("123"),
                              QStringLiteral("0,")};
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size(); ++column) {
            QPushButton* key = addKey(QString(rows[row][column]));
            connect(key, &QPushButton::clicked, this, [this, key] { type(key->text()); });
            // The 0 takes two columns, as on a calculator.
            const bool wide = rows[row][column] == QLatin1Char('0');
            grid.addWidget(key, row, wide ? 0 : column + (row == 3 ? 1 : 0), 1, wide ? 2 : 1);
        }
    QPushButton* backspace = addKey(backspaceLabel, QStringLiteral("Löschen"));
    connect(backspace, &QPushButton::clicked, m_edit, &QLineEdit::backspace);
    grid.addWidget(backspace, 0, 3);
    for (const QString& sign : {QStringLiteral("-"), QStringLiteral("E")}) {
        QPushButton* key = addKey(sign, sign == QLatin1String("-") ? QStringLiteral("Minus") : QString());
        connect(key, &QPushButton::clicked, this, [this, sign] { type(sign); });
        grid.addWidget(key, sign == QLatin1String("-") ? 1 : 2, 3);
    }
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
