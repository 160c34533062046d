#pragma once

#include "components/Services.h"

// The program's description: its name and version go to the application object; its title names the
// program in dialogs whose caller gave no title (programTitle()).
class DesktopAppDescription final : public AppDescription {
public:
    // The desktop shows the program's notice nowhere.
    void SetNotice(const QString&) override {}
    void SetShortName(const QString& text) override;
    void SetTitle(const QString& text) override;
    void SetVersion(const QString& text) override;
};

class DesktopServicesRoot final : public ServicesRoot {
public:
    void SetCommandLine(const QString& commandLine) override { m_commandLine = commandLine; }
    QString CommandLine() const override { return m_commandLine; }
    // Nothing outlives the main window that would need telling.
    void MainWindowClosed() override {}

private:
    QString m_commandLine;
};

// The title the program described itself with; empty before that.
QString programTitle();
