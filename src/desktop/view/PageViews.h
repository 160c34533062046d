#pragma once

#include "desktop/view/PageParts.h"

class Sheet;

// Builds the widgets of the start page inside its frame and binds them to the window model.
void buildStartPage(QWidget& frame, PageContext& context);
// Builds the view of a task sheet inside its page frame, as its registration in the sheet views says.
void buildSheetView(Sheet& sheet, QWidget& frame, PageContext& context);

// The right/wrong markers of the definition pages: img_Correct(i) and lab_Wrong(i) for i = first .. first +
// count - 1, one row each.
void addDefinitionMarkers(QVBoxLayout& column, PageContext& context, int first, int count);

// The bottom frame of the page holder: the grade badge and the expert statistics.
void buildMarkBar(QWidget& frame, PageContext& context);
