#pragma once

#include "components/Colours.h"

#include <QString>
#include <QStringList>

#include <cstddef>

// What the logic may read and write of each kind of control, nothing more. The desktop layer builds one
// widget per control, renders it from these values after every event and writes user input back into
// them. Comments name the control classes of the component library that each kind stands for.

// Position and size in the window's logical pixels, for the controls whose place the logic decides.
struct Geometry {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// A plain label.
struct Label {
    QString Caption;
    Colour BackColor = Colour::Default;
    Colour ForeColor = Colour::Default;
    bool Visible = true;
};

// A plain text field.
struct TextBox {
    QString Text;
    Colour BackColor = Colour::Default;
    bool Visible = true;
    bool Enabled = true;
};

// ctl_TermLabel: a formula label; it draws Term in formula notation (digits lowered).
struct TermLabel {
    QString Term;
    bool Visible = true;
};

// clt_TermInput: a formula input the pupil types into or edits in the formula editor; it shows Term in
// formula notation.
struct TermInput {
    QString Term;
    Colour BackColor = Colour::Default;
    bool Enabled = true;
};

// ctl_Pannel: a panel whose text may hold the markup "<br>", "<b>" and "</b>" (and nothing else).
struct Panel {
    QString Text;
    bool Bold = false;
    bool Visible = true;
};

// ctl_Button: a command button; "&" in the caption marks its Alt shortcut, Tag holds its command text. A
// disabled button shows that it would do nothing.
struct Button : Geometry {
    QString Caption;
    QString Tag;
    bool Visible = true;
    bool Enabled = true;
};

// ctl_Title / ctl_TitleBar: a title strip; the window's header raises command texts.
struct TitleBar : Geometry {
    QString Caption;
};

// ctl_Frame and picture strips: a container, optionally painted with a gradient.
struct Frame : Geometry {
    bool Visible = true;
    Gradient Background;
};

// ctl_Image: the tick shown beside a right row.
struct TickImage {
    bool Visible = false;
};

// ctl_MultiCheck and the plain option buttons: one choice of a group. chooseOption keeps a group to one
// chosen option.
struct OptionButton {
    QString Caption;
    bool Value = false;
    bool Enabled = true;
    Colour BackColor = Colour::Default;
    Colour ForeColor = Colour::Default;
};

// Chooses the option at index and clears every other option of its group.
template <typename Group> void chooseOption(Group& group, std::size_t index)
{
    for (std::size_t i = 0; i < group.size(); ++i)
        group[i].Value = i == index;
}

// ctl_Wheel: a choice wheel. Items are whole texts (a comma is ordinary text); Value is the item shown, the
// empty text while the wheel offers nothing. A disabled wheel has no task.
struct Wheel {
    QStringList Items;
    QString Value;
    bool Enabled = true;
};

// ctl_Mark: the grade badge. Band is the grade's band of the grade scale, 0 ("6") to 15 ("1+"), which
// gives the badge its colour; -1 while there is no grade.
struct GradeMark {
    QString MarkText;
    int Band = -1;
};

// ctl_Avatar: a drawn figure of the user's chosen look; Refresh() makes it draw the current look again.
struct Avatar : Geometry {
    int Refreshes = 0;
    void Refresh() { ++Refreshes; }
};

// ctl_DrAtom: the cartoon atom of the result window; Expression picks its face (1 happy, 2 beaming,
// 3 sad, 5 content, 6 unsure).
struct DrAtom {
    int Expression = 0;
};

// The melody choice: the names of the melodies on offer and the one chosen (0-based).
struct MelodyChoice {
    QStringList Melodies;
    int Current = 0;
    QString currentName() const { return Melodies.value(Current); }
};

// Identifies a control for focus requests: the address of its model.
using ControlId = const void*;

// The key code with which the answer fields report Enter.
inline constexpr int KeyEnter = 13;

// What every window model shares: its caption, whether it is shown (maximised) and whether its
// close was asked for. The desktop layer closes the window once the handler that asked has returned.
struct WindowModel {
    QString Caption;
    bool Shown = false;
    bool Maximised = false;
    bool CloseRequested = false;
    // The control that should get the keyboard focus next; the desktop layer moves the focus there and
    // clears the request.
    ControlId FocusRequest = nullptr;
    void SetFocus(ControlId control) { FocusRequest = control; }
};
