#include "app/frm_AppMain.h"

#include "app/MainWindowDesign.h"

#include <algorithm>
#include <cmath>

namespace {

int scaled(int designSize, double scale)
{
    return static_cast<int>(std::lround(designSize * scale));
}

} // namespace

// Scales the window's design to the window: the strips across the whole width, the page area between them
// as large as it fits with its aspect kept and centred, OK/Next and the tool buttons right-aligned in the
// status strip, and one gradient behind the window that the page holder continues without a seam.
void frm_AppMain::Form_Resize()
{
    if (ScaleWidth <= 0 || ScaleHeight <= 0)
        return; // minimised: nothing to arrange
    const double widthScale = ScaleWidth / static_cast<double>(design::PageWidth);
    m_StripScale =
        std::max(1.0, std::min(widthScale, ScaleHeight / static_cast<double>(design::WindowHeight)));
    bar_Header.Height = scaled(design::HeaderHeight, m_StripScale);
    bar_Status.Height = scaled(design::StatusHeight, m_StripScale);
    const int freeHeight = ScaleHeight - bar_Header.Height - bar_Status.Height;
    m_PageScale =
        std::max(0.1, std::min(widthScale, freeHeight / static_cast<double>(design::PageAreaHeight)));

    // The holder spans the whole width, so that a page slides in from the window's right edge; the pages
    // rest in its middle.
    bar_Holder.Left = 0;
    bar_Holder.Width = ScaleWidth;
    bar_Holder.Height = scaled(design::PageAreaHeight, m_PageScale);
    bar_Holder.Top = bar_Header.Height + (freeHeight - bar_Holder.Height) / 2;
    m_PageLeft = (ScaleWidth - scaled(design::PageWidth, m_PageScale)) / 2;
    m_SlideDistance = static_cast<int>(std::ceil((ScaleWidth - m_PageLeft) / m_PageScale));

    ctl_Avatar2.Left = 0;
    ctl_Avatar2.Top = 4;
    ctl_Avatar2.Width = ScaleWidth;
    ctl_Avatar2.Height = bar_Status.Height - 8;

    const int buttonHeight = scaled(design::ButtonHeight, m_StripScale);
    const int margin = (bar_Status.Height - buttonHeight) / 2;
    int x = ScaleWidth - margin;
    for (Button* button : {&but_OK, &but_Next}) {
        button->Width = scaled(design::OkButtonWidth, m_StripScale);
        button->Height = buttonHeight;
        button->Left = x - button->Width;
        button->Top = margin;
    }
    x = but_OK.Left - 2 * margin;
    for (int i = static_cast<int>(but_GameTools.size()) - 1; i >= 0; --i) {
        Button& tool = but_GameTools[static_cast<std::size_t>(i)];
        tool.Width = scaled(design::ToolButtonWidth, m_StripScale);
        tool.Height = buttonHeight;
        x -= tool.Width + margin;
        tool.Left = x;
        tool.Top = margin;
    }

    const Rgb top = ShadeColour(BackColor, 20);
    const Rgb bottom = ShadeColour(BackColor, 40);
    PaintGradient(*this, 0, 0, ScaleWidth, ScaleHeight, 90, top, bottom, 256);
    PaintGradient(bar_Holder, 0, -bar_Holder.Top, ScaleWidth, ScaleHeight, 90, top, bottom, 256);
}
