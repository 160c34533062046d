#pragma once

#include "components/Controls.h"

#include <array>

// Page 0: the difficulty choice and the praise melody; the name field belongs to the user service.
struct StartPage {
    StartPage();
    std::array<OptionButton, 2> Expert; // 0: beginner, 1: expert
    MelodyChoice HYMNE;
    // The name field: its text belongs to the user service; the model only asks for the focus on it.
    struct FocusTarget {
    } NameField;
};
