#pragma once

#include "components/Colours.h"
#include "components/Controls.h"
#include "desktop/DesktopPlatform.h"

#include <QWidget>

#include <functional>
#include <memory>

class Bindings;
class DesktopUser;
class frm_AppMain;

// The main window on screen. It builds one widget per control of the window model, forwards every user
// action to the model's handler and then shows the model as it stands; it keeps nothing the logic needs.
class MainWindowView final : public QWidget, public RenderTarget {
public:
    MainWindowView(frm_AppMain& model, const DesktopUser& user);
    ~MainWindowView() override;

    // Runs an event handler of the model, then shows the model and closes the window if it asked for that.
    void handle(const std::function<void()>& handler);
    // Sets every widget from its model and moves the focus where the model asked for it.
    void render();
    // Renders and paints the page holder at once, without waiting for the event loop (the page slide calls
    // it per step).
    void renderNow() override;
    // Called when the window has closed at the model's request.
    void setOnClosed(std::function<void()> onClosed) { m_onClosed = std::move(onClosed); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildHeader();
    void buildHolder(const DesktopUser& user);
    // Where a place given in the page design's pixels lies in the page holder.
    QRect onPage(const Geometry& place) const;
    void buildStatus(const DesktopUser& user);
    void renderWindow();

    frm_AppMain& m_model;
    std::unique_ptr<Bindings> m_bindings;
    std::function<void()> m_onClosed;
    QWidget* m_header = nullptr;
    QWidget* m_holder = nullptr;
    QWidget* m_status = nullptr;
    Gradient m_background;
};
