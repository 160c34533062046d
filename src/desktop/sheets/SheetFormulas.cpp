#include "desktop/sheets/SheetFormulas.h"

#include "desktop/view/Look.h"
#include "desktop/widgets/FormulaField.h"
#include "desktop/widgets/FormulaLabel.h"

FormulaLabel& newFormulaLabel(QWidget& parent, double pointSize)
{
    auto* label = new FormulaLabel(&parent);
    label->setFont(look::sized(label->font(), pointSize, true));
    return *label;
}

FormulaField& newFormulaField(QWidget& parent)
{
    auto* field = new FormulaField(&parent);
    field->setFont(look::sized(field->font(), look::TaskPointSize));
    return *field;
}
