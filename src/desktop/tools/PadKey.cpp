#include "desktop/tools/PadKey.h"

#include "desktop/view/Look.h"

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
