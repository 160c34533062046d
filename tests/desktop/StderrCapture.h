#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

// Sends standard error into a file while it lives; lines() gives what was written so far.
class StderrCapture {
public:
    StderrCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        ::dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StderrCapture()
    {
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // The program's own diagnostics ("koltest: ..."); libraries may write lines of their own.
    QStringList diagnostics()
    {
        std::fflush(stderr);
        QFile written(m_file.fileName());
        written.open(QIODevice::ReadOnly);
        return QString::fromLocal8Bit(written.readAll())
            .split(QLatin1Char('\n'))
            .filter(QRegularExpression(QStringLiteral("^koltest: ")));
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};
