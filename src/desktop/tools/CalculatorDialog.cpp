#include "desktop/tools/CalculatorDialog.h"

#include "components/Services.h"
#include "desktop/Diagnostics.h"
#include "desktop/tools/CalculatorEvaluation.h"
#include "desktop/tools/PadKey.h"
#include "desktop/view/DialogScaling.h"
#include "desktop/view/Look.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString backspaceKey = QStringLiteral("←");
const QString signKey = QStringLiteral("±");
const QString clearKey = QStringLiteral("C");
const QString equalsKey = QStringLiteral("=");

struct CalculatorKey {
    QString label;
    QString accessibleName;
    int row;
    int column;
};

const QList<CalculatorKey> calculatorKeys = {
    {QStringLiteral("7"), {}, 0, 0},
    {QStringLiteral("8"), {}, 0, 1},
    {QStringLiteral("9"), {}, 0, 2},
    {calculatorDivide, QStringLiteral("geteilt durch"), 0, 3},
    {backspaceKey, QStringLiteral("Löschen"), 0, 4},
    {QStringLiteral("4"), {}, 1, 0},
    {QStringLiteral("5"), {}, 1, 1},
    {QStringLiteral("6"), {}, 1, 2},
    {calculatorTimes, QStringLiteral("mal"), 1, 3},
    {clearKey, QStringLiteral("Alles löschen"), 1, 4},
    {QStringLiteral("1"), {}, 2, 0},
    {QStringLiteral("2"), {}, 2, 1},
    {QStringLiteral("3"), {}, 2, 2},
    {calculatorMinus, QStringLiteral("minus"), 2, 3},
    {QStringLiteral("("), QStringLiteral("Klammer auf"), 2, 4},
    {signKey, QStringLiteral("Vorzeichen wechseln"), 3, 0},
    {QStringLiteral("0"), {}, 3, 1},
    {QStringLiteral(","), QStringLiteral("Komma"), 3, 2},
    {QStringLiteral("+"), QStringLiteral("plus"), 3, 3},
    {QStringLiteral(")"), QStringLiteral("Klammer zu"), 3, 4},
};

// The key a keyboard key stands for; empty for keys the calculator does not know.
QString keyOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return equalsKey;
    case Qt::Key_Backspace:
        return backspaceKey;
    case Qt::Key_Delete:
        return clearKey;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1)
        return {};
    const QChar c = text.front();
    if ((c.isDigit() && c.unicode() < 128) || QStringLiteral("+(),=").contains(c))
        return text;
    if (c == QLatin1Char('.'))
        return QStringLiteral(",");
    if (c == QLatin1Char('-'))
        return calculatorMinus;
    if (c == QLatin1Char('*') || c == QLatin1Char('x'))
        return calculatorTimes;
    if (c == QLatin1Char('/') || c == QLatin1Char(':'))
        return calculatorDivide;
    return {};
}

bool isOperator(const QString& key)
{
    return key == QLatin1String("+") || key == calculatorMinus || key == calculatorTimes ||
           key == calculatorDivide || key == QLatin1String(")");
}

// Whether the number at the end of the expression has its decimal comma already.
bool lastNumberHasComma(const QString& expression)
{
    for (qsizetype i = expression.size() - 1; i >= 0; --i) {
        if (expression.at(i) == QLatin1Char(','))
            return true;
        if (!expression.at(i).isDigit())
            return false;
    }
    return false;
}

} // namespace

CalculatorDialog::CalculatorDialog(QWidget* parent, const QString& prompt) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Taschenrechner"));
    auto* layout = new QVBoxLayout(this);

    if (!prompt.isEmpty())
        addPadPrompt(*layout, prompt);

    auto* display = new QWidget(this);
    display->setObjectName(QStringLiteral("calculatorDisplay"));
    display->setStyleSheet(QStringLiteral(
        "#calculatorDisplay { background: white; border: 2px solid #7A9CC6; border-radius: 6px; }"));
    auto* displayLayout = new QVBoxLayout(display);
    displayLayout->setSpacing(0);
    m_history = new QLabel(display);
    m_history->setAlignment(Qt::AlignRight);
    m_history->setStyleSheet(QStringLiteral("color: #5A6E8C;"));
    m_history->setMinimumHeight(m_history->fontMetrics().height());
    m_display = new QLabel(display);
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setFont(look::sized(font(), 26, true));
    m_display->setTextFormat(Qt::PlainText);
    m_display->setAccessibleName(QStringLiteral("Anzeige"));
    // A long expression does not widen the dialog: the display shows its end, where the pupil types. A
    // hint wraps between its words, so it is read whole; room for two lines keeps the keys in place.
    m_display->setWordWrap(true);
    const QRect unlimited(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_display->setMinimumHeight(m_display->fontMetrics().boundingRect(unlimited, 0, QStringLiteral("0\n0")).height());
    for (QLabel* line : {m_history, m_display})
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    displayLayout->addWidget(m_history);
    displayLayout->addWidget(m_display);
    layout->addWidget(display);

    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    addKeys(*grid);
    layout->addLayout(grid);

    // Without a field to fill (the status strip's tool) there is nothing to take: the pupil only closes it.
    auto* buttons = new QHBoxLayout;
    auto* cancel = addButton(prompt.isEmpty() ? QStringLiteral("Schließen") : QStringLiteral("Abbrechen"));
    buttons->addWidget(cancel);
    buttons->addStretch();
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    if (!prompt.isEmpty()) {
        QPushButton* take = addButton(QStringLiteral("Übernehmen"));
        take->setDefault(true); // drawn as the main button; Enter itself is "="
        buttons->addWidget(take);
        connect(take, &QPushButton::clicked, this, &CalculatorDialog::take);
    }
    layout->addLayout(buttons);
    // A long prompt wraps within the keys' width instead of widening the dialog past its keys.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showExpression();
    scaleDialog(*this);
}

QPushButton* CalculatorDialog::addButton(const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setMinimumSize(170, padKeySize);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    return button;
}

void CalculatorDialog::addKeys(QGridLayout& grid)
{
    for (const CalculatorKey& key : calculatorKeys) {
        QPushButton* button = makePadKey(this, key.label, key.accessibleName);
        const QString label = key.label;
        connect(button, &QPushButton::clicked, this, [this, label] { press(label); });
        grid.addWidget(button, key.row, key.column);
    }
    QPushButton* equals = makePadKey(this, equalsKey, QStringLiteral("ist gleich"));
    connect(equals, &QPushButton::clicked, this, [this] { press(equalsKey); });
    grid.addWidget(equals, 4, 0, 1, 5);
}

QString CalculatorDialog::displayText() const
{
    return m_display->text();
}

void CalculatorDialog::press(const QString& key)
{
    const bool fresh = m_showsResult || !m_error.isEmpty();
    m_error.clear();
    if (key == equalsKey) {
        calculate();
        return;
    }
    if (key == clearKey) {
        m_expression.clear();
        m_history->clear();
    } else if (key == backspaceKey) {
        if (!fresh)
            m_expression.chop(1);
    } else if (key == signKey) {
        m_expression = toggleLastSign(m_expression);
    } else {
        // After a result, or after a hint, an operator goes on with the expression and anything else starts
        // a new one.
        if (fresh && !isOperator(key))
            m_expression.clear();
        if (key == QLatin1String(",")) {
            if (lastNumberHasComma(m_expression))
                return;
            if (m_expression.isEmpty() || !m_expression.back().isDigit())
                m_expression += QLatin1Char('0');
        }
        m_expression += key;
    }
    m_showsResult = false;
    showExpression();
}

void CalculatorDialog::calculate()
{
    // An empty display shows 0, and 0 is what "=" and "Übernehmen" then take.
    const CalculatorResult result =
        evaluateExpression(m_expression.isEmpty() ? QStringLiteral("0") : m_expression);
    if (!result.ok()) {
        writeDiagnostic(result.diagnostic);
        m_error = result.error;
        showExpression();
        return;
    }
    m_history->setText(m_expression + QStringLiteral(" ="));
    m_expression = calculatorNumberText(result.value);
    m_value = result.value;
    m_showsResult = true;
    showExpression();
}

void CalculatorDialog::take()
{
    calculate();
    if (m_error.isEmpty())
        accept();
}

void CalculatorDialog::showExpression()
{
    if (!m_error.isEmpty())
        m_display->setText(m_error);
    else
        m_display->setText(m_expression.isEmpty() ? QStringLiteral("0") : m_expression);
}

void CalculatorDialog::keyPressEvent(QKeyEvent* event)
{
    const QString key = keyOf(*event);
    if (key.isEmpty()) {
        QDialog::keyPressEvent(event); // Escape cancels
        return;
    }
    press(key);
}

double runCalculator(QWidget* parent, const QString& prompt)
{
    CalculatorDialog calculator(parent, prompt);
    return calculator.exec() == QDialog::Accepted ? calculator.value() : ToolsService::NoResult;
}
