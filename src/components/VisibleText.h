#pragma once

#include <QString>

// Texts that others wrote (a pupil's name, a file name in a share) as a terminal or a table shows them
// without being fooled: every character that is invisible or that steers the output (control characters,
// line breaks, bidi controls, zero-width characters, fillers, unassigned code points, lone surrogates)
// appears as its code, "<U+200B>", so two names that differ only there look different.
QString visibleText(const QString& text);

// The text cut to at most width characters, the last of them "…" where something was cut off. A
// character outside the Basic Multilingual Plane counts once and is never cut in half.
QString cutToWidth(const QString& text, qsizetype width);
