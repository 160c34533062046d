#pragma once

#include "desktop/view/PageParts.h"

class ChargeSheet;
class ElementSheet;
class PlaceholderSheet;
class SyllableSheet;
class YesNoSheet;

// The view of each task sheet, one source each; sheets/SheetViews.cpp registers them.
void buildElementSheetView(ElementSheet& sheet, QWidget& frame, PageContext& context);
void buildSyllableSheetView(SyllableSheet& sheet, QWidget& frame, PageContext& context);
void buildChargeSheetView(ChargeSheet& sheet, QWidget& frame, PageContext& context);
void buildYesNoSheetView(YesNoSheet& sheet, QWidget& frame, PageContext& context);
void buildPlaceholderView(PlaceholderSheet& sheet, QWidget& frame, PageContext& context);
