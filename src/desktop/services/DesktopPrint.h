#pragma once

#include "components/Services.h"
#include "desktop/print/CertificatePrinter.h"

class ResultStore;

// The print service: the certificate goes to the certificate printer (paper or PDF), the record of a
// test run, finished or ended early, to the results folder.
class DesktopPrint final : public PrintService {
public:
    DesktopPrint(CertificatePrinter certificates, ResultStore& results)
        : m_certificates(certificates), m_results(results)
    {
    }
    void PrintForm(const QString& body, const PrintFields& fields) override;
    void ReportResult(double right, double asked, const QString& text, const PrintFields& fields) override;
    void ReportEndedEarly(double right, double asked, const PrintFields& fields) override;

private:
    CertificatePrinter m_certificates;
    ResultStore& m_results;
};
