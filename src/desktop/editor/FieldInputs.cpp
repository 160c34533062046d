#include "desktop/editor/FieldInputs.h"

#include "desktop/tools/FormulaEditorDialog.h"
#include "desktop/widgets/FormulaField.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

using OnEdited = std::function<void(const QString&)>;

// Marks the line that shows an equation as on the board.
constexpr const char* EquationProperty = "koltestEquation";

// Texts that may be longer than this wrap in a box of a few lines.
constexpr int LongestOneLineText = 60;

QWidget* lineInput(const QString& text, const OnEdited& onEdited)
{
    auto* line = new QLineEdit(text);
    QObject::connect(line, &QLineEdit::textEdited, line, onEdited);
    return line;
}

// A long text wraps over a few lines; a line break typed becomes a blank, as in the file.
QWidget* longTextInput(const QString& text, const OnEdited& onEdited)
{
    auto* edit = new QPlainTextEdit(text);
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 3 + 4 * edit->frameWidth());
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, onEdited] {
        QString plain = edit->toPlainText();
        if (plain.contains(QLatin1Char('\n'))) {
            // The field is one line of the file: the box shows what will be saved.
            plain.replace(QLatin1Char('\n'), QLatin1Char(' '));
            const int at = edit->textCursor().position();
            const QSignalBlocker quiet(edit);
            edit->setPlainText(plain);
            QTextCursor cursor = edit->textCursor();
            cursor.setPosition(at);
            edit->setTextCursor(cursor);
        }
        onEdited(plain);
    });
    return edit;
}

// The formula field draws the counts as subscripts while typing; the button opens the formula editor with
// its element pad.
QWidget* formulaInput(const FieldForm& form, const QString& text, const OnEdited& onEdited)
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* field = new FormulaField;
    field->setText(text);
    QObject::connect(field, &QLineEdit::textEdited, field, onEdited);
    auto* editor = new QPushButton(QStringLiteral("Formel-Editor …"));
    QObject::connect(editor, &QPushButton::clicked, field, [field, form, onEdited] {
        const QString formula = editFormula(field->window(), field->text(), form.label);
        if (formula == field->text())
            return;
        field->setText(formula);
        onEdited(formula);
    });
    layout->addWidget(field, 1);
    layout->addWidget(editor);
    return box;
}

// Stored texts and what the chooser shows for them; a stored text outside the list is kept as its own entry.
QWidget* choiceInput(const QList<std::pair<QString, QString>>& choices, const QString& text,
                     const OnEdited& onEdited)
{
    auto* combo = new QComboBox;
    for (const auto& [stored, shown] : choices)
        combo->addItem(shown, stored);
    if (combo->findData(text) < 0)
        combo->addItem(text, text);
    combo->setCurrentIndex(combo->findData(text));
    QObject::connect(combo, &QComboBox::activated, combo,
                     [combo, onEdited] { onEdited(combo->currentData().toString()); });
    return combo;
}

QList<std::pair<QString, QString>> chargeChoices()
{
    QList<std::pair<QString, QString>> choices;
    for (int charge = -3; charge <= 3; ++charge)
        if (charge != 0)
            choices.append({QString::number(charge), charge < 0 ? QStringLiteral("−%1").arg(-charge)
                                                                : QStringLiteral("+%1").arg(charge)});
    return choices;
}

// One line per accepted form; the first one is the form the pupil is shown.
QWidget* variantsInput(const QString& text, const OnEdited& onEdited)
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("variants"));
    for (const QString& variant : variantsOf(text)) {
        auto* item = new QListWidgetItem(variant, list);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    // Room for every variant and one more, so that a short list needs no scrolling.
    const int rows = std::max(2, static_cast<int>(list->count()) + 1);
    list->setFixedHeight(rows * list->fontMetrics().height() * 3 / 2 + 2 * list->frameWidth());
    const auto report = [list, onEdited] {
        QStringList variants;
        for (int i = 0; i < list->count(); ++i)
            variants << list->item(i)->text();
        onEdited(variantsField(variants));
    };
    QObject::connect(list, &QListWidget::itemChanged, list, report);
    auto* buttons = new QVBoxLayout;
    auto* add = new QPushButton(QStringLiteral("Hinzufügen"));
    auto* remove = new QPushButton(QStringLiteral("Entfernen"));
    QObject::connect(add, &QPushButton::clicked, list, [list] {
        auto* item = new QListWidgetItem(QString(), list);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        list->setCurrentItem(item);
        list->editItem(item);
    });
    QObject::connect(remove, &QPushButton::clicked, list, [list, report] {
        if (list->count() <= 1 || list->currentItem() == nullptr)
            return;
        delete list->currentItem();
        report();
    });
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addWidget(list, 1, Qt::AlignTop);
    layout->addLayout(buttons);
    return box;
}

} // namespace

QWidget* makeFieldInput(const FieldForm& form, const QString& text, const OnEdited& onEdited)
{
    switch (form.input) {
    case FieldInput::Formula:
        return formulaInput(form, text, onEdited);
    case FieldInput::Charge:
        return choiceInput(chargeChoices(), text, onEdited);
    case FieldInput::YesNo:
        return choiceInput(
            {{QStringLiteral("J"), QStringLiteral("Ja")}, {QStringLiteral("N"), QStringLiteral("Nein")}},
            text, onEdited);
    case FieldInput::Variants:
        return variantsInput(text, onEdited);
    case FieldInput::Text:
        if (form.longest == 0 || form.longest > LongestOneLineText)
            return longTextInput(text, onEdited);
        break;
    case FieldInput::Equation: {
        // Shown as on the board, stored in the file's notation.
        QWidget* line = lineInput(readableEquation(text),
                                  [onEdited](const QString& readable) { onEdited(equationLine(readable)); });
        line->setProperty(EquationProperty, true);
        return line;
    }
    case FieldInput::Number:
    case FieldInput::Whole:
        break;
    }
    return lineInput(text, onEdited);
}

void setFieldInputText(QWidget& input, const QString& text)
{
    auto* line = qobject_cast<QLineEdit*>(&input);
    if (line == nullptr)
        line = input.findChild<QLineEdit*>();
    if (line != nullptr)
        line->setText(line->property(EquationProperty).toBool() ? readableEquation(text) : text);
}
