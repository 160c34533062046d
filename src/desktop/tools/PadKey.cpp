#include "desktop/tools/PadKey.h"

#include "desktop/view/Look.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QPushButton* makePadKey(QWidget* parent, const QString& label, const QString& accessibleName, int size)
{
    auto* key = new QPushButton(label, parent);
    key->setMinimumSize(size, size);
    key->setFont(look::sized(key->font(), look::TaskPointSize + 2));
    key->setFocusPolicy(Qt::NoFocus);
    key->setAutoDefault(false);
    if (!accessibleName.isEmpty())
        key->setAccessibleName(accessibleName);
    return key;
}

void addPadPrompt(QVBoxLayout& layout, const QString& prompt)
{
    auto* label = new QLabel(prompt, layout.parentWidget());
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    // The keys give the width; a long prompt wraps within it.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(look::sized(label->font(), look::TaskPointSize + 2, true));
    layout.addWidget(label);
}

QString padSignName(const QString& sign)
{
    static const QHash<QString, QString> names = {{QStringLiteral("·"), QStringLiteral("Malpunkt")},
                                                  {QStringLiteral("("), QStringLiteral("Klammer auf")},
                                                  {QStringLiteral(")"), QStringLiteral("Klammer zu")},
                                                  {QStringLiteral("-"), QStringLiteral("Minus")}};
    return names.value(sign);
}

void addDigitBlock(QGridLayout& grid, const keypad::DigitBlock& block, int firstColumn,
                   const std::function<QPushButton*(const QString&)>& makeKey)
{
    for (int row = 0; row < block.rows.size(); ++row) {
        int column = firstColumn;
        for (const QChar character : block.rows[row]) {
            const int span = character == QLatin1Char('0') ? 2 : 1; // as on a calculator
            grid.addWidget(makeKey(QString(character)), row, column, 1, span);
            column += span;
        }
    }
    for (int i = 0; i < block.sideSigns.size(); ++i)
        grid.addWidget(makeKey(QString(block.sideSigns[i])), i + 1, firstColumn + 3);
}
