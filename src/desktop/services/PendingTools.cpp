#include "desktop/services/PendingTools.h"

#include "desktop/services/MessageBoxes.h"

void PendingPrint::PrintForm(const QString&, const PrintFields&)
{
    noticeUnavailable(m_notices);
}

void PendingPrint::ReportResult(double, double, const QString&, const PrintFields&)
{
    noticeUnavailable(m_notices);
}
