#pragma once

#include <QWidget>

#include <functional>

class QHBoxLayout;
class QLabel;
class QPushButton;

// The title strip on top of the window: the title (panel markup), command buttons at the right and a "?"
// button that raises the help command, as F1 does.
class HeaderBar final : public QWidget {
public:
    using RaiseCommand = std::function<void(const QString& command)>;
    HeaderBar(QWidget* parent, RaiseCommand raiseCommand);

    void setCaption(const QString& markup);
    // Puts a button at the right, after those added before. Buttons are added in their Tab order, the "?"
    // button last.
    void addButton(QPushButton& button);
    void addHelpButton();

    // The command text of the help.
    static const QString HelpCommand;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_title;
    QHBoxLayout* m_layout;
    RaiseCommand m_raiseCommand;
    QString m_caption;
};
