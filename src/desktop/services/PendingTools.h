#pragma once

#include "components/Services.h"

// Printing is not built yet. It says so in a notice rather than doing nothing.
class PendingPrint final : public PrintService {
public:
    explicit PendingPrint(NoticeService& notices) : m_notices(notices) {}
    void PrintForm(const QString& body, const PrintFields& fields) override;
    void ReportResult(double right, double asked, const QString& text, const PrintFields& fields) override;

private:
    NoticeService& m_notices;
};
