#pragma once

// One task sheet of the walk: its controls, how it is filled, how it is judged. A sheet reaches the main
// window only through the SheetContext it was built with.
class Sheet {
public:
    virtual ~Sheet() = default;

    // Fills the sheet with freshly drawn rows and their expected answers; the page is already visible at
    // the right edge of the screen and slides in afterwards.
    virtual void Present() = 0;
    // Judges the rows the pupil filled in: colours, corrections, counts and the running grade.
    virtual void Judge() = 0;
    // The pupil moves on with Next: whatever must not outlive the page is reset.
    virtual void Leave() {}
};
