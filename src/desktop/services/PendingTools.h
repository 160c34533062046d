#pragma once

#include "components/Services.h"
#include "desktop/print/CertificatePrinter.h"

// The certificate is printed or saved by the certificate printer. The record of a finished test run is
// written to standard error as one line until results are stored.
class PendingPrint final : public PrintService {
public:
    explicit PendingPrint(CertificatePrinter certificates) : m_certificates(certificates) {}
    void PrintForm(const QString& body, const PrintFields& fields) override;
    void ReportResult(double right, double asked, const QString& text, const PrintFields& fields) override;

private:
    CertificatePrinter m_certificates;
};
