#pragma once

#include <QWidget>

class QTextBrowser;

// The help as a window of its own that may stay open beside the test: the page in a browser that
// follows the page's own links. Escape closes it.
class HelpWindow final : public QWidget {
public:
    // baseFolder: where the page's pictures and linked pages lie.
    HelpWindow(QWidget* parent, const QString& html, const QString& baseFolder);

    QTextBrowser& browser() { return *m_browser; }
    // Shows the window in front and usable, also while a modal dialog is open.
    void bringToFront();

private:
    QTextBrowser* m_browser;
};
