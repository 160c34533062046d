#pragma once

#include <QObject>

#include <functional>

// F1 asks for the help in every window of the program, dialogs included. A window that gives F1 a
// meaning of its own (the main window sends it as its help command) takes it as a shortcut before
// the key reaches this filter.
class HelpKey final : public QObject {
public:
    explicit HelpKey(std::function<void()> openHelp);
    ~HelpKey() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_openHelp;
};
