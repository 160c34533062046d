#pragma once

#include "components/Services.h"

// Printing is not built yet: it says so in a notice rather than doing nothing. The record of a finished
// test run is written to standard error as one line until results are stored.
class PendingPrint final : public PrintService {
public:
    explicit PendingPrint(NoticeService& notices) : m_notices(notices) {}
    void PrintForm(const QString& body, const PrintFields& fields) override;
    void ReportResult(double right, double asked, const QString& text, const PrintFields& fields) override;

private:
    NoticeService& m_notices;
};
