#pragma once

#include "desktop/view/PageParts.h"

class AmountSheet;
class ChargeSheet;
class DefinitionSheet;
class ElementSheet;
class EquationSheet;
class MolarMassSheet;
class SubstanceSheet;
class SyllableSheet;
class TermSheet;
class YesNoSheet;

// The view of each task sheet, one source each; sheets/SheetViews.cpp registers them.
void buildDefinitionSheetView(DefinitionSheet& sheet, QWidget& frame, PageContext& context);
void buildTermSheetView(TermSheet& sheet, QWidget& frame, PageContext& context);
void buildElementSheetView(ElementSheet& sheet, QWidget& frame, PageContext& context);
void buildEquationSheetView(EquationSheet& sheet, QWidget& frame, PageContext& context);
void buildSyllableSheetView(SyllableSheet& sheet, QWidget& frame, PageContext& context);
void buildAmountSheetView(AmountSheet& sheet, QWidget& frame, PageContext& context);
void buildChargeSheetView(ChargeSheet& sheet, QWidget& frame, PageContext& context);
void buildMolarMassSheetView(MolarMassSheet& sheet, QWidget& frame, PageContext& context);
void buildSubstanceSheetView(SubstanceSheet& sheet, QWidget& frame, PageContext& context);
void buildYesNoSheetView(YesNoSheet& sheet, QWidget& frame, PageContext& context);
