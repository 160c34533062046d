#include "desktop/pages/PageViews.h"

void buildPage(int page, QWidget& frame, PageContext& context)
{
    switch (page) {
    case 0:
        buildStartPage(frame, context);
        break;
    case 1:
        buildElementPage(frame, context);
        break;
    case 2:
        buildSyllablePage(frame, context);
        break;
    case 3: // its three rows are marked with img_Correct(4..6) and lab_Wrong(4..6)
        addDefinitionMarkers(buildPageHeadings(page, frame), context, 4, 3);
        break;
    case 4: // its four rows are marked with img_Correct(0..3) and lab_Wrong(0..3)
        addDefinitionMarkers(buildPageHeadings(page, frame), context, 0, 4);
        break;
    default:
        buildPageHeadings(page, frame);
        break;
    }
}
