#pragma once

#include <QColor>

class QApplication;
class QFont;

// The program's look, in one place: style, type sizes and the few colours the views share.
namespace look {

inline constexpr double BasePointSize = 12; // everything a pupil reads is at least this big
inline constexpr double TaskPointSize = 14; // task texts and answer fields

inline const QColor Ink(0x17, 0x37, 0x5E);       // dark blue text on light ground
inline const QColor TitleFrom(0x1F, 0x4E, 0x8C); // title bars, top
inline const QColor TitleTo(0x3A, 0x7B, 0xC8);   // title bars, bottom

// The widget's font at the given point size, optionally bold.
QFont sized(const QFont& font, double pointSize, bool bold = false);

// Style, base font, palette and button look of the whole application.
void applyApplicationLook(QApplication& application);

} // namespace look
