#pragma once

#include "app/frm_AppMain.h"

// A pupil filling in the sheet on screen through its controls: typed texts, formula inputs, wheels turned,
// options chosen. Right answers are read from the sheet's expected answers; wrong ones are what a pupil
// might give instead (a typed row left empty, a wheel on another item, another option, a coefficient one
// too high).
enum class Answers { Right, Wrong };

void answerCurrentPage(frm_AppMain& form, Answers answers);
