#include "app/frm_AppMain.h"

// The answer fields of pages 1 and 2: a click opens the on-screen keypad for the field, with the task
// beside it as the prompt; Enter moves on to the next field of the page's ring.

void frm_AppMain::EleSym_Click(int index)
{
    services.dialogs.ShowTextPad(page1.EleSym[index], page1.AnzS1[index].Caption);
}

void frm_AppMain::Ele_Click(int index)
{
    services.dialogs.ShowTextPad(page1.Ele[index], page1.AnzS1[index + 3].Caption);
}

void frm_AppMain::Zahl_Click(int index)
{
    TextBox& field = page2.Zahl[index];
    const QString& prompt = page2.AnzS2[index].Caption;
    if (index < 2)
        services.dialogs.ShowNumberPad(field, prompt);
    else
        services.dialogs.ShowTextPad(field, prompt);
}

// Ring of page 1: EleSym(0..2), Ele(0..2), back to EleSym(0).
void frm_AppMain::EleSym_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        SetFocus(index < 2 ? &page1.EleSym[index + 1] : &page1.Ele[0]);
}

void frm_AppMain::Ele_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        SetFocus(index < 2 ? &page1.Ele[index + 1] : &page1.EleSym[0]);
}

// Ring of page 2: Zahl(0..3), back to Zahl(0).
void frm_AppMain::Zahl_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        SetFocus(&page2.Zahl[(index + 1) % 4]);
}
