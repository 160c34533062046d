#pragma once

#include "app/frm_AppMain.h"

// A pupil giving the right answer to every row of the sheet on screen through its controls: typed texts,
// formula inputs, wheels turned, options chosen, as the sheet's expected answers say.
void answerCurrentPageRight(frm_AppMain& form);
