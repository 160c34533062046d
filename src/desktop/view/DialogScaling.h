#pragma once

class QApplication;
class QWidget;

// Dialogs, keypads, message boxes and tool windows take the scale of the main window they stand on, so a
// whiteboard shows them at the size of the page's text. They are built for the design size (that of a
// 1024 x 600 screen), which fits every screen the main window's scale was computed for.

// A window says which scale the windows standing on it take: the main window, the result window and the
// teachers' windows do.
void setDialogScale(QWidget& window, double scale);

// The scale for a window with this parent: that of the nearest window up the parents that was given one,
// else the design size (1).
double dialogScale(const QWidget* parent);

// Scales a dialog built for the design size to its parent's dialog scale (fonts, keys, spacing), and
// passes the scale on to the dialogs that will stand on it.
void scaleDialog(QWidget& dialog);

// Dialogs the program does not build itself (Qt's message, file and print dialogs) scale the same way as
// they show.
void scaleEveryDialog(QApplication& application);
