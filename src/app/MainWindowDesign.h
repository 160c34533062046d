#pragma once

// The main window's design-time sizes in logical pixels. The logic places the page holder, the status
// strip's contents and the page frames from these; the desktop layer lays the pages out inside them.
namespace design {

inline constexpr int HeaderHeight = 56;
inline constexpr int StatusHeight = 72;

// The page holder: a strip of fixed size, centred between header and status strip. Header, holder and
// status strip together fit the inner height of a maximised window on a 1366 x 768 screen with a taskbar
// and a title bar (about 698 pixels).
inline constexpr int HolderWidth = 1040;
inline constexpr int HolderHeight = 566;
// The bottom frame of the holder with the grade badge and the expert statistics.
inline constexpr int MarkTop = 478;
inline constexpr int MarkHeight = 88;

inline constexpr int OkButtonWidth = 160;
inline constexpr int ToolButtonWidth = 210;
inline constexpr int ButtonHeight = 48;

// The window's own background colour; the gradient is derived from it.
inline constexpr unsigned WindowBackColor = 0x3A7BC8;

} // namespace design
