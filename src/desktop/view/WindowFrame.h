#pragma once

class QWidget;
struct WindowModel;

// Gives a top-level window its model's caption and shows it once the model is shown: maximised when the
// model says so, filling the screen also where no window manager maximises it.
void renderWindowFrame(QWidget& window, const WindowModel& model);

// Shows the window maximised, filling the screen also where no window manager maximises it.
void showFillingTheScreen(QWidget& window);
