#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class Bindings;
class QGridLayout;
class QLabel;
class QPushButton;
class frm_AppResult;

// The result window on screen: one widget per control of the window model, its content in a card (the
// frame Dahinter) that stands centred in the window and is scaled as a whole to it. Like the main window it
// forwards every user action to the model's handler, then shows the model as it stands. It is modal for
// the whole program; its close box counts as "Ja".
class ResultWindowView final : public QWidget {
public:
    explicit ResultWindowView(frm_AppResult& model);
    ~ResultWindowView() override;

    // Runs an event handler of the model, then shows the model and closes the window if it asked for that.
    void handle(const std::function<void()>& handler);
    void render();
    // Called when the window has closed at the model's request.
    void setOnClosed(std::function<void()> onClosed) { m_onClosed = std::move(onClosed); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
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
    std::unique_ptr<Bindings> m_bindings;
    std::function<void()> m_onClosed;
    QWidget* m_frame = nullptr;
};
