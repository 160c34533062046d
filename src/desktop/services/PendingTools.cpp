#include "desktop/services/PendingTools.h"

#include "desktop/services/MessageBoxes.h"

void PendingTools::ShowPeriodicTable()
{
    noticeUnavailable(m_notices);
}

double PendingTools::ShowCalculator(const QString&)
{
    noticeUnavailable(m_notices);
    return NoResult;
}

void PendingPrint::PrintForm(const QString&, const PrintFields&)
{
    noticeUnavailable(m_notices);
}

void PendingPrint::ReportResult(double, double, const QString&, const PrintFields&)
{
    noticeUnavailable(m_notices);
}
