#pragma once

#include "components/Services.h"

class ResultStore;

// Printing is not built yet: it says so in a notice rather than doing nothing. The record of a finished
// test run goes to the result store.
class PendingPrint final : public PrintService {
public:
    PendingPrint(NoticeService& notices, ResultStore& results) : m_notices(notices), m_results(results) {}
    void PrintForm(const QString& body, const PrintFields& fields) override;
    void ReportResult(double right, double asked, const QString& text, const PrintFields& fields) override;

private:
    NoticeService& m_notices;
    ResultStore& m_results;
};
