#pragma once

#include "desktop/view/PageParts.h"

class AmountSheet;
class DefinitionSheet;
class ElementSheet;
class EquationSheet;
class MolarMassSheet;
class PlaceholderSheet;
class SubstanceSheet;
class SyllableSheet;
class TermSheet;

// The view of each task sheet, one source each; sheets/SheetViews.cpp registers them.
void buildDefinitionSheetView(DefinitionSheet& sheet, QWidget& frame, PageContext& context);
void buildTermSheetView(TermSheet& sheet, QWidget& frame, PageContext& context);
void buildElementSheetView(ElementSheet& sheet, QWidget& frame, PageContext& context);
void buildEquationSheetView(EquationSheet& sheet, QWidget& frame, PageContext& context);
void buildSyllableSheetView(SyllableSheet& sheet, QWidget& frame, PageContext& context);
void buildSubstanceSheetView(SubstanceSheet& sheet, QWidget& frame, PageContext& context);
void buildMolarMassSheetView(MolarMassSheet& sheet, QWidget& frame, PageContext& context);
void buildAmountSheetView(AmountSheet& sheet, QWidget& frame, PageContext& context);
void buildPlaceholderView(PlaceholderSheet& sheet, QWidget& frame, PageContext& context);
