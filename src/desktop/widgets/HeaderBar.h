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
    // Puts a button at the right, left of the "?" button.
    void addButton(QPushButton& button);

    // The command text of the help.
    static const QString HelpCommand;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_title;
    QHBoxLayout* m_layout;
    QString m_caption;
};
