#pragma once

#include "desktop/view/ModelWindowView.h"

class QGridLayout;
class QLabel;
class QPushButton;
class frm_AppResult;

// The result window on screen: one widget per control of the window model, its content in a card (the
// frame Dahinter) that stands centred in the window and is scaled as a whole to it. It is modal for the
// whole program; its close box counts as "Ja".
class ResultWindowView final : public ModelWindowView {
public:
    explicit ResultWindowView(frm_AppResult& model);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A label or button in the program's look, in parent.
    QLabel& label(QWidget& parent, const QString& objectName, double pointSize, bool bold = false);
    QPushButton& button(QWidget& parent, const QString& objectName);
    void buildHeading(QGridLayout& grid);
    QWidget& buildCategories();
    QWidget& buildActions();
    void renderWindow();

    frm_AppResult& m_model;
    QWidget* m_frame = nullptr;
};
