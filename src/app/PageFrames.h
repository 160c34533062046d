#pragma once

#include "components/Controls.h"

#include <array>

// The page frames Seite(i). Pages are numbered 0..6, 8, 9, 11 and 12; there are no pages 7 and 10.
class PageFrames {
public:
    static constexpr std::array<int, 11> numbers = {0, 1, 2, 3, 4, 5, 6, 8, 9, 11, 12};
    static constexpr bool exists(int page) { return page >= 0 && page <= 12 && page != 7 && page != 10; }

    // Requires exists(page).
    Frame& operator[](int page) { return m_frames.at(static_cast<std::size_t>(page)); }
    const Frame& operator[](int page) const { return m_frames.at(static_cast<std::size_t>(page)); }

private:
    std::array<Frame, 13> m_frames{};
};
