#include "desktop/tools/HelpWindow.h"

#include "desktop/view/DialogScaling.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

// A dialog-type window without modality, like the periodic table: window managers keep it above the
// test's window, and the test stays usable beside it.
HelpWindow::HelpWindow(QWidget* parent, const QString& html, const QString& baseFolder)
    : QWidget(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Hilfe – Kolbrix Test"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({baseFolder});
    m_browser->setHtml(html);
    m_browser->setAccessibleName(QStringLiteral("Hilfetext"));

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    scaleDialog(*this);

    // Beside the test: on the right, between the test's title bar and its button bar, so that the page on
    // show, OK and Weiter stay visible.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const int width = std::min(std::max(420, available.width() * 2 / 5), available.width());
        resize(width, available.height() * 5 / 7);
        move(available.right() - width + 1, available.top() + available.height() / 7);
    }
}

void HelpWindow::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    // A modal dialog blocks every window that does not stand on it; standing on the dialog keeps the
    // help readable while the dialog is open. Otherwise the help stands on its parent again.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* base = modal && modal != this ? modal : parentWidget();
    if (windowHandle())
        windowHandle()->setTransientParent(base ? base->window()->windowHandle() : nullptr);
    raise();
    activateWindow();
}
