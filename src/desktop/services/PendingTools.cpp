#include "desktop/services/PendingTools.h"

#include "desktop/results/ResultStore.h"
#include "desktop/services/MessageBoxes.h"

void PendingPrint::PrintForm(const QString&, const PrintFields&)
{
    noticeUnavailable(m_notices);
}

void PendingPrint::ReportResult(double right, double asked, const QString&, const PrintFields& fields)
{
    m_results.store(right, asked, fields);
}
