#include "desktop/sheets/FormulaStandIns.h"

#include "desktop/view/Look.h"

#include <QLabel>
#include <QLineEdit>

QLabel& newFormulaLabel(QWidget& parent, double pointSize)
{
    auto* label = new QLabel(&parent);
    label->setFont(look::sized(label->font(), pointSize, true));
    return *label;
}

QLineEdit& newFormulaField(QWidget& parent)
{
    auto* field = new QLineEdit(&parent);
    field->setFont(look::sized(field->font(), look::TaskPointSize));
    return *field;
}
