#include "pages/SyllablePage.h"

#include "app/frm_AppMain.h"
#include "components/NumberText.h"
#include "components/TextTools.h"
#include "pages/RandomDraw.h"
#include "pages/Variants.h"

void presentSyllablePage(frm_AppMain& form)
{
    mdl_KolTest& state = form.state;
    SyllablePage& page = form.page2;
    const QList<int> drawn =
        drawSheet(form, Section::Syllables, upperBound(state.g_SyllableTasks), state.g_SyllablesEasy, 4);
    for (int row = 0; row < 4; ++row) {
        SyllableRecord& record = state.g_SyllableTasks[drawn[row]];
        const QString number = drawn[row] != 0 ? printWhole(record.Value, false) : QString();
        if (row < 2) {
            page.AnzS2[row].Caption = trimBlanksRight(ensureList(record.Syllables).Item(1));
            state.g_Solutions[row] = number;
        } else {
            page.AnzS2[row].Caption = number;
            state.g_Solutions[row] = starredVariants(record.Syllables);
        }
        page.Zahl[row].Enabled = drawn[row] != 0;
    }
    form.SetFocus(&page.Zahl[0]);
}
