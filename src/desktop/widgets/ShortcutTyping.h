#pragma once

class QLineEdit;

// Keeps key combinations with Alt, Ctrl or Meta from typing into the field: they are shortcuts, never text.
// A shortcut whose button is hidden or disabled reaches the focused field as an ordinary key press, and the
// line edit would type its letter (Alt+W before judging gave "w"). Editing with Ctrl (copy, paste, undo,
// word steps) stays as it is. Lives as long as the field.
void refuseShortcutTyping(QLineEdit& field);
