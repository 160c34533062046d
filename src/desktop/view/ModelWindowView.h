#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class Bindings;
struct WindowModel;

// A window on screen over its window model, as every window of the program is: one widget per control,
// bound to the model; every user action runs the model's handler, after which the window shows the model
// as it stands and closes if the model asked for that. It keeps nothing the logic needs.
class ModelWindowView : public QWidget {
public:
    ~ModelWindowView() override;

    // Runs an event handler of the model, then shows the model and closes the window if it asked for that.
    void handle(const std::function<void()>& handler);
    // Sets every widget from its model and moves the focus where the model asked for it.
    void render();
    // Called when the window has closed at the model's request.
    void setOnClosed(std::function<void()> onClosed) { m_onClosed = std::move(onClosed); }

protected:
    // On every resize the window's inner size goes into the model's scaleWidth and scaleHeight, then the
    // model's resized handler runs.
    ModelWindowView(WindowModel& model, int& scaleWidth, int& scaleHeight, std::function<void()> resized);

    Bindings& bindings() { return *m_bindings; }
    // Tells whoever waits for the window that it has closed.
    void closed();

    void resizeEvent(QResizeEvent* event) override;

private:
    WindowModel& m_windowModel;
    int& m_scaleWidth;
    int& m_scaleHeight;
    std::function<void()> m_resized;
    std::unique_ptr<Bindings> m_bindings;
    std::function<void()> m_onClosed;
};
