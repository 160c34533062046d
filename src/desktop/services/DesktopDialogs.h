#pragma once

#include "components/Services.h"

class DesktopWindows;

// The keypads and the formula editor are real on-screen pads; the help is not built yet and says so.
class DesktopDialogs final : public DialogService {
public:
    DesktopDialogs(const DesktopWindows& windows, NoticeService& notices)
        : m_windows(windows), m_notices(notices)
    {
    }
    void ShowNumberPad(TextBox& field, const QString& prompt) override;
    void ShowTextPad(TextBox& field, const QString& prompt) override;
    QString EditTerm(const QString& term, const QString& prompt) override;
    void SetExitFlag(bool value) override { m_exitFlag = value; }
    bool ExitFlag() const override { return m_exitFlag; }
    void ShowHelp() override;

private:
    const DesktopWindows& m_windows;
    NoticeService& m_notices;
    bool m_exitFlag = true;
};
