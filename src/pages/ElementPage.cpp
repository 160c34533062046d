#include "pages/ElementPage.h"

#include "app/frm_AppMain.h"
#include "components/TextTools.h"
#include "pages/RandomDraw.h"
#include "pages/Variants.h"

void presentElementPage(frm_AppMain& form)
{
    mdl_KolTest& state = form.state;
    ElementPage& page = form.page1;
    const QList<int> drawn =
        drawSheet(form, Section::Elements, upperBound(state.g_ElementTasks), state.g_ElementsEasy, 6);
    for (int row = 0; row < 3; ++row) {
        ElementRecord& named = state.g_ElementTasks[drawn[row]];
        page.AnzS1[row].Caption = trimBlanksRight(ensureList(named.Names).Item(1));
        state.g_Solutions[row] = trimBlanksRight(named.Symbol);
        page.EleSym[row].Enabled = drawn[row] != 0;

        ElementRecord& symbolised = state.g_ElementTasks[drawn[row + 3]];
        page.AnzS1[row + 3].Caption = trimBlanksRight(symbolised.Symbol);
        state.g_Solutions[row + 3] = starredVariants(symbolised.Names);
        page.Ele[row].Enabled = drawn[row + 3] != 0;
    }
    form.SetFocus(&page.EleSym[0]);
}
