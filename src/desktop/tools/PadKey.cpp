#include "desktop/tools/PadKey.h"

#include "desktop/view/Look.h"

#include <QPushButton>

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
