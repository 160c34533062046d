#include "desktop/services/PendingTools.h"

#include "desktop/Diagnostics.h"
#include "testrun/EndOfTestRecord.h"

void PendingPrint::PrintForm(const QString& body, const PrintFields& fields)
{
    m_certificates.PrintForm(body, fields);
}

void PendingPrint::ReportResult(double right, double asked, const QString& text, const PrintFields& fields)
{
    // Until results are stored, the record of a finished test run goes to standard error as one line.
    writeDiagnostic(resultLine(right, asked, text, fields));
}
