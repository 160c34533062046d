#pragma once

class QWidget;

// The teachers' windows (the results and the catalogue editor) are laid out for this size and grow with
// their text.
inline constexpr int TeacherWindowWidth = 1024;
inline constexpr int TeacherWindowHeight = 640;

// Scales a tree of widgets that was built for the design size by one factor: the fonts, the minimum,
// maximum and fixed sizes, the layouts' margins and spacings, fixed spacers and grid column widths. The
// design values are remembered on the first call, so scaling again (a resized window) never accumulates
// rounding. Painted widgets draw into their rectangles and follow by themselves.
void scaleWidgetTree(QWidget& root, double factor);

// How much a teacher's window of its present size scales its design: never below 1.
double teacherWindowScale(const QWidget& window);
