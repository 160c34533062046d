#include "app/frm_AppMain.h"

#include "components/NumberText.h"

// Keeps the main window's arrangement for any size: the page holder centred between the header and the
// status strip, OK/Next and the tool buttons right-aligned in the status strip, and one gradient behind
// the window that the holder continues without a seam.
void frm_AppMain::Form_Resize()
{
    if (ScaleWidth <= 0 || ScaleHeight <= 0)
        return; // minimised: nothing to arrange
    const int freeHeight = ScaleHeight - bar_Header.Height - bar_Status.Height;
    bar_Holder.Left = (ScaleWidth - bar_Holder.Width) / 2;
    bar_Holder.Top = bar_Header.Height + (freeHeight - bar_Holder.Height) / 2;

    ctl_Avatar2.Left = 0;
    ctl_Avatar2.Top = 4;
    ctl_Avatar2.Width = ScaleWidth;
    ctl_Avatar2.Height = bar_Status.Height - 8;

    const int margin = static_cast<int>(roundHalfEven((bar_Status.Height - but_GameTools[0].Height) / 2.0));
    int x = ScaleWidth - but_OK.Width - margin;
    for (Button* button : {&but_OK, &but_Next}) {
        button->Left = x;
        button->Top = margin;
    }
    x -= 2 * margin;
    for (int i = static_cast<int>(but_GameTools.size()) - 1; i >= 0; --i) {
        Button& tool = but_GameTools[static_cast<std::size_t>(i)];
        x -= tool.Width + margin;
        tool.Left = x;
        tool.Top = margin;
    }

    const Rgb top = ShadeColour(BackColor, 20);
    const Rgb bottom = ShadeColour(BackColor, 40);
    PaintGradient(*this, 0, 0, ScaleWidth, ScaleHeight, 90, top, bottom, 256);
    PaintGradient(bar_Holder, 0, -bar_Holder.Top, ScaleWidth, ScaleHeight, 90, top, bottom, 256);
}
