#pragma once

#include "components/Services.h"

// The periodic table, the calculator and printing are not built yet. Each says so in a notice rather
// than doing nothing; the calculator then gives no result. The record of a finished test run is written
// to standard error as one line until results are stored.
class PendingTools final : public ToolsService {
public:
    explicit PendingTools(NoticeService& notices) : m_notices(notices) {}
    void ShowPeriodicTable() override;
    double ShowCalculator(const QString& prompt) override;

private:
    NoticeService& m_notices;
};

class PendingPrint final : public PrintService {
public:
    explicit PendingPrint(NoticeService& notices) : m_notices(notices) {}
    void PrintForm(const QString& body, const PrintFields& fields) override;
    void ReportResult(double right, double asked, const QString& text, const PrintFields& fields) override;

private:
    NoticeService& m_notices;
};
