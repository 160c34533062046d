#include "desktop/view/WindowFrame.h"

#include "components/Controls.h"

#include <QScreen>
#include <QWidget>

void renderWindowFrame(QWidget& window, const WindowModel& model)
{
    if (window.windowTitle() != model.Caption)
        window.setWindowTitle(model.Caption);
    if (!model.Shown || model.CloseRequested || window.isVisible())
        return;
    if (model.Maximised)
        showFillingTheScreen(window);
    else
        window.show();
}

void showFillingTheScreen(QWidget& window)
{
    // Without a window manager "maximised" means nothing: fill the screen in any case.
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
}
