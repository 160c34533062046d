#pragma once

#include "components/Services.h"

#include <QStringList>

// The host is the command line and standard error: parameters are words NAME=VALUE, and every report is
// one time-stamped line on standard error. There is no handshake to refuse.
class DesktopHost final : public HostService {
public:
    explicit DesktopHost(QStringList words) : m_words(std::move(words)) {}
    bool Begin(bool) override { return true; }
    void Ready() override {}
    QString Parameter(const QString& name, const QString& defaultValue) override;
    void Report(const QString& line, const PrintFields* fields) override;

private:
    QStringList m_words;
};

// "2026-12-06 12:00:01 koltest: -> Anfänger", the fields appended as " KEY=value".
QString reportLine(const QString& timeStamp, const QString& line, const PrintFields* fields);
