#pragma once

class QWidget;

// Scales a tree of widgets that was built for the design size by one factor: the fonts, the minimum,
// maximum and fixed sizes, the layouts' margins and spacings, fixed spacers and grid column widths. The
// design values are remembered on the first call, so scaling again (a resized window) never accumulates
// rounding. Painted widgets draw into their rectangles and follow by themselves.
void scaleWidgetTree(QWidget& root, double factor);
