#include "desktop/services/DesktopPrint.h"

#include "desktop/results/ResultStore.h"

void DesktopPrint::PrintForm(const QString& body, const PrintFields& fields)
{
    m_certificates.PrintForm(body, fields);
}

void DesktopPrint::ReportResult(double right, double asked, const QString&, const PrintFields& fields)
{
    m_results.store(right, asked, fields);
}

void DesktopPrint::ReportEndedEarly(double right, double asked, const PrintFields& fields)
{
    m_results.store(right, asked, fields);
}
