#include "desktop/sheets/SheetViews.h"

#include "desktop/view/PageViews.h"
#include "sheets/amounts/AmountSheet.h"
#include "sheets/definitions/DefinitionSheet.h"
#include "sheets/definitions/TermSheet.h"
#include "sheets/elements/ElementSheet.h"
#include "sheets/equations/EquationSheet.h"
#include "sheets/molarmasses/MolarMassSheet.h"
#include "sheets/options/ChargeSheet.h"
#include "sheets/options/YesNoSheet.h"
#include "sheets/substances/SubstanceSheet.h"
#include "sheets/syllables/SyllableSheet.h"

#include <functional>
#include <typeindex>
#include <vector>

namespace {

struct SheetView {
    std::type_index sheetType;
    std::function<void(Sheet&, QWidget&, PageContext&)> build;
};

// Registers the view builder of one kind of sheet.
template <typename SheetType> SheetView viewOf(void (*build)(SheetType&, QWidget&, PageContext&))
{
    return {typeid(SheetType), [build](Sheet& sheet, QWidget& frame, PageContext& context) {
                build(static_cast<SheetType&>(sheet), frame, context);
            }};
}

const std::vector<SheetView>& sheetViews()
{
    static const std::vector<SheetView> views = {
        viewOf(buildElementSheetView),
        viewOf(buildSyllableSheetView),
        viewOf(buildSubstanceSheetView),
        viewOf(buildMolarMassSheetView),
        viewOf(buildAmountSheetView),
        viewOf(buildDefinitionSheetView),
        viewOf(buildTermSheetView),
        viewOf(buildEquationSheetView),
        viewOf(buildChargeSheetView),
        viewOf(buildYesNoSheetView),
    };
    return views;
}

} // namespace

void buildSheetView(Sheet& sheet, QWidget& frame, PageContext& context)
{
    for (const SheetView& view : sheetViews())
        if (view.sheetType == std::type_index(typeid(sheet))) {
            view.build(sheet, frame, context);
            return;
        }
    qFatal("No view is registered for the sheet %s", typeid(sheet).name());
}
