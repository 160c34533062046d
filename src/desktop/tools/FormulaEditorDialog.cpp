#include "desktop/tools/FormulaEditorDialog.h"

#include "catalogue/FormulaNotation.h"
#include "desktop/tools/PadKey.h"
#include "desktop/view/DialogScaling.h"
#include "desktop/view/Look.h"
#include "desktop/widgets/FormulaField.h"
#include "desktop/widgets/FormulaLabel.h"
#include "desktop/widgets/ShortcutTyping.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Thirteen letters a row, capitals above small letters, and a block of signs beside them: 17 keys side by
// side still fit a screen 1024 pixels wide.
constexpr int letterKeySize = 50;
constexpr int lettersPerRow = 13;
constexpr int signColumn = lettersPerRow + 1; // one free column between letters and signs

const QColor hintColour(0x9C, 0x1C, 0x1C);

} // namespace

FormulaEditorDialog::FormulaEditorDialog(QWidget* parent, const QString& prompt, const QString& formula)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Formel eingeben"));
    auto* layout = new QVBoxLayout(this);

    addPadPrompt(*layout, prompt);

    m_edit = new FormulaField(this);
    m_edit->setText(formula);
    m_edit->setFont(look::sized(font(), look::TaskPointSize + 4));
    m_edit->setAccessibleName(prompt.isEmpty() ? QStringLiteral("Formel") : prompt);
    m_edit->setMinimumHeight(padKeySize);
    refuseShortcutTyping(*m_edit);
    layout->addWidget(m_edit);

    m_preview = new FormulaLabel(this);
    m_preview->setFont(look::sized(font(), 26, true));
    m_preview->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_preview);

    m_hint = new QLabel(this);
    m_hint->setTextFormat(Qt::PlainText);
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignCenter);
    QPalette hintPalette = m_hint->palette();
    hintPalette.setColor(QPalette::WindowText, hintColour);
    m_hint->setPalette(hintPalette);
    // Room for one line always, so the pad does not jump when a hint comes or goes.
    m_hint->setMinimumHeight(m_hint->fontMetrics().height());
    layout->addWidget(m_hint);

    auto* grid = new QGridLayout;
    grid->setSpacing(5);
    addLetterKeys(*grid);
    addSignKeys(*grid);
    grid->setColumnMinimumWidth(lettersPerRow, 12);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    for (QPushButton* button : {cancel, ok}) {
        button->setMinimumSize(140, padKeySize);
        button->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(button);
    }
    cancel->setAutoDefault(false);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);

    connect(m_edit, &QLineEdit::textChanged, this, &FormulaEditorDialog::showPreview);
    showPreview();
    scaleDialog(*this);
    m_edit->setFocus();
}

void FormulaEditorDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The pad writes at the cursor: it stands at the end, and nothing is selected that a key would replace.
    QTimer::singleShot(0, m_edit, [edit = m_edit] { edit->end(false); });
}

QString FormulaEditorDialog::formula() const
{
    return m_edit->text();
}

void FormulaEditorDialog::addLetterKeys(QGridLayout& grid)
{
    const QStringList& letterRows = keypad::formulaLetterRows;
    for (int row = 0; row < letterRows.size(); ++row)
        for (int column = 0; column < lettersPerRow; ++column) {
            const QString letter(letterRows[row][column]);
            QPushButton* key = makePadKey(this, letter, QString(), letterKeySize);
            connect(key, &QPushButton::clicked, this, [this, letter] { m_edit->insert(letter); });
            grid.addWidget(key, row, column);
        }
}

void FormulaEditorDialog::addSignKeys(QGridLayout& grid)
{
    addDigitBlock(grid, keypad::formulaBlock, signColumn, [this](const QString& sign) {
        QPushButton* key = makePadKey(this, sign, padSignName(sign), letterKeySize);
        connect(key, &QPushButton::clicked, this, [this, sign] { m_edit->insert(sign); });
        return key;
    });
    QPushButton* backspace = makePadKey(this, QStringLiteral("⌫"), QStringLiteral("Löschen"), letterKeySize);
    connect(backspace, &QPushButton::clicked, m_edit, &QLineEdit::backspace);
    grid.addWidget(backspace, 0, signColumn + 3);
}

void FormulaEditorDialog::showPreview()
{
    const QString text = m_edit->text();
    m_preview->setFormula(text);
    m_hint->setText(text.isEmpty() ? QString() : parseFormula(text).error);
}

QString editFormula(QWidget* parent, const QString& formula, const QString& prompt)
{
    FormulaEditorDialog editor(parent, prompt, formula);
    return editor.exec() == QDialog::Accepted ? editor.formula() : formula;
}
