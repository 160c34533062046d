#pragma once

#include "components/Controls.h"

#include <functional>
#include <map>
#include <vector>

class PanelLabel;
class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// Ties widgets to the control models they show. Each binding adds a renderer that sets the widget from its
// model, changing only what differs (so nothing flickers and no signal echoes into the model), and forwards
// the widget's input: values are written into the model at once, events run the model's handler through
// dispatch, after which the window shows the model again.
class Bindings {
public:
    using Handler = std::function<void()>;
    using KeyPress = std::function<void(int keyAscii)>;
    using Dispatch = std::function<void(const Handler&)>;

    explicit Bindings(Dispatch dispatch) : m_dispatch(std::move(dispatch)) {}

    // Runs an event handler of the model.
    void dispatch(const Handler& handler) const { m_dispatch(handler); }

    void label(QLabel& widget, const Label& model);
    void panel(PanelLabel& widget, const Panel& model);
    // Place and visibility.
    void frame(QWidget& widget, const Frame& model);
    void geometry(QWidget& widget, const Geometry& model);
    // Caption and visibility; a click runs the handler.
    void button(QAbstractButton& widget, const Button& model, Handler click);
    // Text, colour, visibility and enabled state; the accessible name is the task's caption. Typing writes
    // the text into the model; a mouse press runs click (the keypad), Enter runs keyPress with 13.
    void textField(QLineEdit& widget, TextBox& model, const Label& task, Handler click, KeyPress keyPress);
    // Caption, colours, chosen and enabled state; a click runs the handler, which keeps its group to one
    // choice. Enter runs keyPress with 13, when one is given. The model may ask for the focus on it.
    void option(QAbstractButton& widget, const OptionButton& model, Handler click, KeyPress keyPress = {});
    // The melodies on offer and the chosen one; choosing writes the model.
    void melody(QComboBox& widget, MelodyChoice& model);
    // Any other rendering.
    void renderer(Handler render) { m_renderers.push_back(std::move(render)); }
    // The widget that takes the focus when the model asks for it for control.
    void focusable(ControlId control, QWidget& widget) { m_focusTargets[control] = &widget; }

    void render() const;
    QWidget* focusTarget(ControlId control) const;

private:
    Dispatch m_dispatch;
    std::vector<Handler> m_renderers;
    std::map<ControlId, QWidget*> m_focusTargets;
};

// Shows or hides the widget, unless it already is.
void setShown(QWidget& widget, bool shown);
