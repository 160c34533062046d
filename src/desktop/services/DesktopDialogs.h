#pragma once

#include "components/Services.h"
#include "desktop/tools/HelpKey.h"
#include "desktop/tools/HelpWindow.h"

#include <QPointer>

class DesktopWindows;

// The keypads and the formula editor are real on-screen pads. The help is a window beside the test,
// opened once and brought to the front when asked for again; F1 asks for it in every window.
class DesktopDialogs final : public DialogService {
public:
    DesktopDialogs(const DesktopWindows& windows, NoticeService& notices, FolderService& folders)
        : m_windows(windows), m_notices(notices), m_folders(folders), m_helpKey([this] { ShowHelp(); })
    {
    }
    void ShowNumberPad(TextBox& field, const QString& prompt) override;
    void ShowTextPad(TextBox& field, const QString& prompt) override;
    QString EditTerm(const QString& term, const QString& prompt) override;
    void SetExitFlag(bool value) override { m_exitFlag = value; }
    bool ExitFlag() const override { return m_exitFlag; }
    void ShowHelp() override;

    // The help while it is open.
    HelpWindow* help() const { return m_help; }

private:
    const DesktopWindows& m_windows;
    NoticeService& m_notices;
    FolderService& m_folders;
    HelpKey m_helpKey;
    QPointer<HelpWindow> m_help; // deletes itself when closed, or with the main window it stands on
    bool m_exitFlag = true;
};
