#pragma once

#include "components/Colours.h"
#include "components/Controls.h"
#include "desktop/DesktopPlatform.h"
#include "desktop/view/ModelWindowView.h"

class DesktopUser;
class frm_AppMain;

// The main window on screen: the header, the page holder with every page of the walk, the status strip.
class MainWindowView final : public ModelWindowView, public RenderTarget {
public:
    MainWindowView(frm_AppMain& model, const DesktopUser& user);

    // Renders and paints the page holder at once, without waiting for the event loop (the page slide calls
    // it per step).
    void renderNow() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildHeader();
    void buildHolder(const DesktopUser& user);
    // Where a place given in the page design's pixels lies in the page holder.
    QRect onPage(const Geometry& place) const;
    void buildStatus(const DesktopUser& user);
    void renderWindow();

    frm_AppMain& m_model;
    QWidget* m_header = nullptr;
    QWidget* m_holder = nullptr;
    QWidget* m_status = nullptr;
    Gradient m_background;
};
