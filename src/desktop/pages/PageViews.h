#pragma once

#include "desktop/pages/PageParts.h"

// Builds the widgets of one page inside its frame and binds them to the window model.
void buildPage(int page, QWidget& frame, PageContext& context);

// The pages, one source each.
void buildStartPage(QWidget& frame, PageContext& context);
void buildElementPage(QWidget& frame, PageContext& context);
void buildSyllablePage(QWidget& frame, PageContext& context);
// The title bars and hints of the pages 3 to 12; returns the page's column for the rows below them.
QVBoxLayout& buildPageHeadings(int page, QWidget& frame);
// The right/wrong markers of the definition pages: img_Correct(i) and lab_Wrong(i) for i = first .. first +
// count - 1, one row each.
void addDefinitionMarkers(QVBoxLayout& column, PageContext& context, int first, int count);

// The bottom frame of the page holder: the grade badge and the expert statistics.
void buildMarkBar(QWidget& frame, PageContext& context);
