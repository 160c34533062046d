#include "desktop/view/Bindings.h"

#include "desktop/view/OptionAccessible.h"
#include "desktop/widgets/ChoiceWheel.h"
#include "desktop/widgets/FormulaField.h"
#include "desktop/widgets/FormulaLabel.h"
#include "desktop/widgets/PanelLabel.h"
#include "desktop/widgets/PressFilter.h"
#include "desktop/widgets/ShortcutTyping.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

template <typename Widget> void setTextOf(Widget& widget, const QString& text)
{
    if (widget.text() != text) {
        const QSignalBlocker blocker(&widget);
        widget.setText(text);
    }
}

void setEnabledOf(QWidget& widget, bool enabled)
{
    if (widget.isEnabled() != enabled)
        widget.setEnabled(enabled);
}

void setAccessibleNameOf(QWidget& widget, const QString& name)
{
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
}

void setGeometryOf(QWidget& widget, const QRect& place)
{
    if (widget.geometry() != place)
        widget.setGeometry(place);
}

QRect rectOf(const Geometry& model)
{
    return {model.Left, model.Top, model.Width, model.Height};
}

// Gives the palette role the colour, unless it has it already. Default brings back the colour the widget
// had before the model first coloured it; a widget the model never coloured keeps the view's own look.
void setRoleColour(QWidget& widget, QPalette::ColorRole role, Colour colour)
{
    const QByteArray key = "koltestNaturalColour" + QByteArray::number(role);
    QVariant natural = widget.property(key.constData());
    if (colour == Colour::Default && !natural.isValid())
        return;
    if (!natural.isValid()) {
        natural = widget.palette().color(role);
        widget.setProperty(key.constData(), natural);
    }
    const QColor wanted =
        colour == Colour::Default ? natural.value<QColor>() : QColor::fromRgb(paletteRgb(colour));
    if (widget.palette().color(role) == wanted)
        return;
    QPalette palette = widget.palette();
    palette.setColor(role, wanted);
    widget.setPalette(palette);
}

} // namespace

void setShown(QWidget& widget, bool shown)
{
    if (widget.isHidden() != shown)
        return;
    // A hidden widget would hand the focus on to the next one in the Tab order (OK to a tool button, where
    // a stray Space would open it): the window keeps it instead until the logic says where it goes.
    if (!shown && widget.hasFocus())
        widget.window()->setFocus(Qt::OtherFocusReason);
    widget.setVisible(shown);
}

void Bindings::label(QLabel& widget, const Label& model)
{
    widget.setTextFormat(Qt::PlainText); // catalogue texts are never markup
    renderer([&widget, &model] {
        setTextOf(widget, model.Caption);
        setRoleColour(widget, QPalette::WindowText, model.ForeColor);
        setRoleColour(widget, QPalette::Window, model.BackColor);
        if (widget.autoFillBackground() != (model.BackColor != Colour::Default))
            widget.setAutoFillBackground(model.BackColor != Colour::Default);
        setShown(widget, model.Visible);
    });
}

void Bindings::panel(PanelLabel& widget, const Panel& model)
{
    renderer([&widget, &model] {
        widget.showPanel(model.Text, model.Bold);
        setShown(widget, model.Visible);
    });
}

void Bindings::frame(QWidget& widget, const Frame& model, Placement place)
{
    renderer([&widget, &model, place] {
        setGeometryOf(widget, place ? place(model) : rectOf(model));
        setShown(widget, model.Visible);
    });
}

void Bindings::geometry(QWidget& widget, const Geometry& model)
{
    renderer([&widget, &model] { setGeometryOf(widget, rectOf(model)); });
}

void Bindings::button(QAbstractButton& widget, const Button& model, Handler click)
{
    focusable(&model, widget);
    QObject::connect(&widget, &QAbstractButton::clicked, &widget, [this, click] { dispatch(click); });
    onEnter(widget, [&widget] { widget.click(); }); // Enter presses the focused button, as Space does
    renderer([&widget, &model] {
        setTextOf(widget, model.Caption);
        setAccessibleNameOf(widget, QString(model.Caption).remove(QLatin1Char('&')));
        setEnabledOf(widget, model.Enabled);
        setShown(widget, model.Visible);
    });
}

void Bindings::answerLine(QLineEdit& widget, QString& model, KeyPress keyPress)
{
    refuseShortcutTyping(widget);
    QObject::connect(&widget, &QLineEdit::textEdited, &widget,
                     [&model](const QString& text) { model = text; });
    QObject::connect(&widget, &QLineEdit::returnPressed, &widget,
                     [this, keyPress] { dispatch([keyPress] { keyPress(KeyEnter); }); });
}

void Bindings::textField(QLineEdit& widget, TextBox& model, const Label& task, Handler click,
                         KeyPress keyPress)
{
    answerLine(widget, model.Text, std::move(keyPress));
    onPress(widget, [this, &widget, click] {
        if (!widget.isEnabled())
            return;                            // a row without a task takes no answer
        widget.setFocus(Qt::MouseFocusReason); // Enter then goes on from this field after the keypad
        dispatch(click);
    });
    focusable(&model, widget);
    renderer([&widget, &model, &task] {
        setTextOf(widget, model.Text);
        setRoleColour(widget, QPalette::Base, model.BackColor);
        setEnabledOf(widget, model.Enabled);
        setAccessibleNameOf(widget, task.Caption);
        setShown(widget, model.Visible);
    });
}

void Bindings::termLabel(FormulaLabel& widget, const TermLabel& model)
{
    renderer([&widget, &model] {
        if (widget.formula() != model.Term)
            widget.setFormula(model.Term);
        setShown(widget, model.Visible);
    });
}

void Bindings::termInput(FormulaField& widget, TermInput& model, const QString& task, Handler click,
                         KeyPress keyPress)
{
    answerLine(widget, model.Term, std::move(keyPress));
    QObject::connect(&widget, &FormulaField::clicked, &widget, [this, &widget, click] {
        if (widget.isEnabled()) // a row without a task takes no answer
            dispatch(click);
    });
    focusable(&model, widget);
    renderer([&widget, &model, &task] {
        setTextOf(widget, model.Term);
        setRoleColour(widget, QPalette::Base, model.BackColor);
        setEnabledOf(widget, model.Enabled);
        setAccessibleNameOf(widget, task);
    });
}

void Bindings::option(QAbstractButton& widget, const OptionButton& model, Handler click, KeyPress keyPress)
{
    installOptionAccessibility();
    widget.setCheckable(true);
    widget.setAutoExclusive(false); // the model keeps the choice exclusive
    QObject::connect(&widget, &QAbstractButton::clicked, &widget, [this, click] { dispatch(click); });
    if (keyPress)
        onEnter(widget, [this, keyPress] { dispatch([keyPress] { keyPress(KeyEnter); }); });
    focusable(&model, widget);
    renderer([&widget, &model] {
        setTextOf(widget, model.Caption);
        if (widget.isChecked() != model.Value) {
            const QSignalBlocker blocker(&widget);
            widget.setChecked(model.Value);
        }
        setRoleColour(widget, widget.foregroundRole(), model.ForeColor);
        setRoleColour(widget, widget.backgroundRole(), model.BackColor);
        if (widget.autoFillBackground() != (model.BackColor != Colour::Default))
            widget.setAutoFillBackground(model.BackColor != Colour::Default);
        setEnabledOf(widget, model.Enabled);
    });
}

void Bindings::wheel(ChoiceWheel& widget, Wheel& model, const Label& task, Select select,
                     const QString& namePrefix)
{
    QObject::connect(&widget, &ChoiceWheel::activated, &widget,
                     [this, &model, select](int index, const QString& text) {
                         model.Value = text;
                         dispatch([select, index, text] {
                             if (select)
                                 select(index + 1, text);
                         });
                     });
    focusable(&model, widget);
    renderer([&widget, &model, &task, namePrefix] {
        if (widget.items() != model.Items)
            widget.setItems(model.Items);
        if (widget.currentText() != model.Value)
            widget.setCurrentText(model.Value);
        setEnabledOf(widget, model.Enabled);
        setAccessibleNameOf(widget, namePrefix + task.Caption);
    });
}

void Bindings::melody(QComboBox& widget, MelodyChoice& model)
{
    QObject::connect(&widget, &QComboBox::activated, &widget, [&model](int index) { model.Current = index; });
    renderer([&widget, &model] {
        QStringList shown;
        for (int i = 0; i < widget.count(); ++i)
            shown << widget.itemText(i);
        const QSignalBlocker blocker(&widget);
        if (shown != model.Melodies) {
            widget.clear();
            widget.addItems(model.Melodies);
        }
        if (widget.currentIndex() != model.Current)
            widget.setCurrentIndex(model.Current);
    });
}

void Bindings::render() const
{
    for (const Handler& render : m_renderers)
        render();
}

QWidget* Bindings::focusTarget(ControlId control) const
{
    const auto found = m_focusTargets.find(control);
    return found != m_focusTargets.end() ? found->second : nullptr;
}

void Bindings::moveFocusAsRequested(WindowModel& window) const
{
    if (!window.FocusRequest)
        return;
    if (QWidget* target = focusTarget(window.FocusRequest))
        target->setFocus(Qt::OtherFocusReason);
    window.FocusRequest = nullptr;
}
