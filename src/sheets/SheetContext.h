#pragma once

#include "components/Controls.h"
#include "testrun/AppContext.h"

#include <QString>

// What a sheet may use of the main window: the shared state, the services, the platform and the source
// of chance, the keyboard focus, the markers and the praise that every judging shares, and the running
// grade. Nothing else of the main window.
class SheetContext {
public:
    explicit SheetContext(AppContext context)
        : state(context.state), services(context.services), tools(context.tools), platform(context.platform),
          random(context.random)
    {
    }
    virtual ~SheetContext() = default;
    SheetContext(const SheetContext&) = delete;
    SheetContext& operator=(const SheetContext&) = delete;

    mdl_KolTest& state;
    SharedServices& services;
    SharedTools& tools;
    Platform& platform;
    RandomSource& random;

    // Asks for the keyboard focus on the control, once the handler has returned.
    virtual void SetFocus(ControlId control) = 0;
    // The tick and the wrong-answer panel beside the rows of the definition sheets.
    virtual void ShowCorrect(int index) = 0;
    virtual void ShowWrong(int index, const QString& expected) = 0;
    // The praise panel after a sheet whose every row is right.
    virtual void ShowPraise() = 0;
    // Brings the counters and the grade badge up to date with the totals.
    virtual void UpdateGrade() = 0;
    // A message for the pupil about the sheet being filled, shown once the page has slid in.
    virtual void NoticeOnceShown(const QString& message) = 0;
};
