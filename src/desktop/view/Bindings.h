#pragma once

#include "components/Controls.h"

#include <functional>
#include <map>
#include <vector>

class ChoiceWheel;
class FormulaField;
class FormulaLabel;
class PanelLabel;
class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QRect;
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
    // Where a model's place lies in its parent widget.
    using Placement = std::function<QRect(const Geometry&)>;
    using Select = std::function<void(int position, const QString& text)>;

    explicit Bindings(Dispatch dispatch) : m_dispatch(std::move(dispatch)) {}

    // Runs an event handler of the model.
    void dispatch(const Handler& handler) const { m_dispatch(handler); }

    void label(QLabel& widget, const Label& model);
    void panel(PanelLabel& widget, const Panel& model);
    // Place and visibility; the model's place is taken as it is, or mapped by place.
    void frame(QWidget& widget, const Frame& model, Placement place = {});
    void geometry(QWidget& widget, const Geometry& model);
    // Caption, visibility and enabled state; a click, or Enter while it has the focus, runs the handler.
    void button(QAbstractButton& widget, const Button& model, Handler click);
    // Text, colour, visibility and enabled state; the accessible name is the task's caption. Typing writes
    // the text into the model; a mouse press runs click (the keypad), Enter runs keyPress with 13.
    void textField(QLineEdit& widget, TextBox& model, const Label& task, Handler click, KeyPress keyPress);
    // A formula label: its formula and visibility.
    void termLabel(FormulaLabel& widget, const TermLabel& model);
    // A formula input: formula, colour and enabled state; the accessible name is the row's task text.
    // Typing writes the formula into the model; a click runs click (a pad), Enter runs keyPress with 13.
    void termInput(FormulaField& widget, TermInput& model, const QString& task, Handler click,
                   KeyPress keyPress);
    // Caption, colours, chosen and enabled state; a click runs the handler, which keeps its group to one
    // choice. Enter runs keyPress with 13, when one is given. The model may ask for the focus on it.
    void option(QAbstractButton& widget, const OptionButton& model, Handler click, KeyPress keyPress = {});
    // Items, shown item and enabled state; the accessible name is namePrefix + the task's caption. Turning
    // the wheel writes the shown item into the model and runs select (if any) with its position from 1 and
    // text.
    void wheel(ChoiceWheel& widget, Wheel& model, const Label& task, Select select,
               const QString& namePrefix = QString());
    // The melodies on offer and the chosen one; choosing writes the model.
    void melody(QComboBox& widget, MelodyChoice& model);
    // Any other rendering.
    void renderer(Handler render) { m_renderers.push_back(std::move(render)); }
    // The widget that takes the focus when the model asks for it for control.
    void focusable(ControlId control, QWidget& widget) { m_focusTargets[control] = &widget; }

    void render() const;
    QWidget* focusTarget(ControlId control) const;
    // Moves the focus to the widget the window's model asked for, and clears the request.
    void moveFocusAsRequested(WindowModel& window) const;

private:
    // An answer typed into a line edit: typing writes the model, Enter runs keyPress with 13, and shortcut
    // keys never type.
    void answerLine(QLineEdit& widget, QString& model, KeyPress keyPress);

    Dispatch m_dispatch;
    std::vector<Handler> m_renderers;
    std::map<ControlId, QWidget*> m_focusTargets;
};

// Shows or hides the widget, unless it already is.
void setShown(QWidget& widget, bool shown);
