#pragma once

// The main window's design in logical pixels. The window shows it scaled as a whole: the header strip, the
// page area and the status strip together make one design of PageWidth x WindowHeight, scaled by one
// factor so that it fills the window with its aspect kept. Below the design size the strips keep their
// design height (their buttons stay big enough to click) and only the page area shrinks.
namespace design {

inline constexpr int HeaderHeight = 56;
inline constexpr int StatusHeight = 72;

// The page area: the task pages and, at their bottom, the frame with the grade badge and the expert
// statistics.
inline constexpr int PageWidth = 1040;
inline constexpr int PageAreaHeight = 566;
inline constexpr int MarkTop = 478;
inline constexpr int MarkHeight = 88;

inline constexpr int WindowHeight = HeaderHeight + PageAreaHeight + StatusHeight;

// The smallest window: the strips at design height and the page area as large as a maximised window leaves
// it on a 1024 x 600 screen once a title bar and a task bar have taken their share (80 pixels). Below it the
// window does not shrink, so the pages never become too small to read.
inline constexpr int MinimumWindowHeight = 520;
inline constexpr int MinimumWindowWidth =
    (PageWidth * (MinimumWindowHeight - HeaderHeight - StatusHeight) + PageAreaHeight / 2) / PageAreaHeight;

inline constexpr int OkButtonWidth = 160;
inline constexpr int ToolButtonWidth = 210;
inline constexpr int ButtonHeight = 48;

// The window's own background colour; the gradient is derived from it.
inline constexpr unsigned WindowBackColor = 0x3A7BC8;

} // namespace design
